#include "media/FolderItem.h"

#include "framework/support/TempDir.h"
#include "headless/HeadlessPlatform.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(FolderItem, ChildFindsWhatIsInAFolderAndNothingElse) {
    TempDir dir;
    dir.write("Resources/R5.mp3", "ID3");
    fw::FolderItem root(dir.path());
    auto resources = root.Child("Resources", true);
    ASSERT_NE(resources, nullptr);
    EXPECT_TRUE(resources->IsFolder());
    auto sound = resources->Child("R5.mp3", true);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->Name(), "R5.mp3");
    EXPECT_TRUE(sound->Exists());
    EXPECT_FALSE(sound->IsFolder());
    EXPECT_EQ(resources->Child("R6.mp3", true), nullptr);
    EXPECT_EQ(sound->Child("anything", true), nullptr) << "a file holds nothing";
    EXPECT_EQ(root.Child("Resources/R5.mp3", true), nullptr) << "one level at a time";
    EXPECT_EQ(root.Child("", true), nullptr);
    EXPECT_EQ(resources->Child("..", true), nullptr);
}

TEST(FolderItem, ParentClimbsToTheRootAndNoFurther) {
    fw::FolderItem exe("/opt/Kelvory/bin/kelvory");
    auto bin = exe.Parent();
    ASSERT_NE(bin, nullptr);
    EXPECT_EQ(bin->path(), fs::path("/opt/Kelvory/bin"));
    EXPECT_EQ(bin->Parent()->path(), fs::path("/opt/Kelvory"));
    EXPECT_EQ(fw::FolderItem("/opt/Kelvory/bin/").Parent()->path(), fs::path("/opt/Kelvory"));
    EXPECT_EQ(fw::FolderItem("/opt").Parent()->path(), fs::path("/"));
    EXPECT_EQ(fw::FolderItem("/").Parent(), nullptr);
}

TEST(FolderItem, FollowingAnAliasLeadsToItsTargetAndADanglingOneToNothing) {
    TempDir dir;
    auto target = dir.write("real/R1.mp3", "ID3");
    fs::create_directories(dir.path() / "Resources");
    fs::create_symlink(target, dir.path() / "Resources/R1.mp3");
    fs::create_symlink(dir.path() / "gone.mp3", dir.path() / "Resources/R2.mp3");
    fw::FolderItem resources(dir.path() / "Resources");

    auto followed = resources.Child("R1.mp3", true);
    ASSERT_NE(followed, nullptr);
    EXPECT_EQ(followed->path(), fs::canonical(target));
    EXPECT_EQ(resources.Child("R2.mp3", true), nullptr);

    // Not following, the link itself is the item, even one that leads nowhere.
    auto link = resources.Child("R2.mp3", false);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->path(), dir.path() / "Resources/R2.mp3");
}

TEST(FolderItem, AFolderReachedThroughALinkIsAFolder) {
    TempDir dir;
    dir.write("bundle/Resources/nice.mp3", "ID3");
    fs::create_directory_symlink(dir.path() / "bundle/Resources", dir.path() / "Resources");
    auto resources = fw::FolderItem(dir.path()).Child("Resources", true);
    ASSERT_NE(resources, nullptr);
    EXPECT_NE(resources->Child("nice.mp3", true), nullptr);
}

TEST(ExecutableFile, IsWhatThePlatformReports) {
    auto exe = fw::ExecutableFile();
    ASSERT_NE(exe, nullptr);
    EXPECT_EQ(exe->path(), fs::read_symlink("/proc/self/exe"));
    fw::headless::HeadlessPlatform::the().setExecutablePath("/tmp/Kelvory/bin/kelvory");
    EXPECT_EQ(fw::ExecutableFile()->path(), fs::path("/tmp/Kelvory/bin/kelvory"));
}

} // namespace
