#include "media/FolderItem.h"
#include "media/MediaAccessors.h"
#include "media/Movie.h"
#include "media/Picture.h"
#include "media/Sound.h"
#include "runtime/NilObjectException.h"
#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

// Each case starts from a fresh process, so every accessor is still untried.
class MediaAccessors : public ::testing::Test {
protected:
    void SetUp() override { program.startEarly(); }
    ProgramHarness program;
};

TEST_F(MediaAccessors, FindTheResourcesFolderBesideTheExecutablesFolder) {
    auto resources = GetApplicationBundleResources_();
    ASSERT_NE(resources, nullptr);
    EXPECT_EQ(std::filesystem::canonical(resources->path()), std::filesystem::canonical(program.bundle().resources()));
}

TEST_F(MediaAccessors, ASoundIsOpenedOnceAndTheSameObjectReturnedWithoutLookingAgain) {
    auto first = R5();
    ASSERT_NE(first, nullptr);
    program.bundle().remove("R5.mp3");
    EXPECT_EQ(R5(), first);
}

TEST_F(MediaAccessors, AMissingSoundRaisesOnTheFirstCallOnlyAndIsNeverLoadedLater) {
    program.bundle().remove("R3.mp3");
    EXPECT_THROW(R3(), fw::NilObjectException);
    EXPECT_EQ(R3(), nullptr);
    std::filesystem::copy_file(program.bundle().resources() / "R4.mp3", program.bundle().resources() / "R3.mp3");
    EXPECT_EQ(R3(), nullptr);
    EXPECT_NE(R4(), nullptr) << "the other sounds load as usual";
}

TEST_F(MediaAccessors, EmptyTextAndDanglingFilesGiveNil) {
    program.bundle().write("R1.mp3", "");
    program.bundle().write("R2.mp3", "this is not a sound at all\n");
    program.bundle().danglingLink("R6.mp3");
    program.bundle().write("PellowickIntroVideo.mp4", "plain text");
    EXPECT_EQ(R1(), nullptr);
    EXPECT_EQ(R2(), nullptr);
    EXPECT_THROW(R6(), fw::NilObjectException) << "a dangling link is no file at all";
    EXPECT_EQ(PellowickIntroVideo(), nullptr);
    EXPECT_EQ(R1(), nullptr);
    EXPECT_EQ(R6(), nullptr);
}

TEST_F(MediaAccessors, WithoutAResourcesFolderSoundsAndTheMovieAreNilWithoutRaising) {
    program.bundle().removeResources();
    EXPECT_EQ(R0(), nullptr);
    EXPECT_EQ(nice(), nullptr);
    EXPECT_EQ(PellowickIntroVideo(), nullptr);
}

TEST_F(MediaAccessors, APictureIsAskedForUntilItIsThereAndThenHeldForGood) {
    program.bundle().remove("HowHot.svg");
    EXPECT_EQ(HowHot(), nullptr);
    EXPECT_EQ(HowHot(), nullptr);
    std::filesystem::copy_file(std::filesystem::path(KELVORY_SOURCE_DIR) / "media/files/HowHot.svg",
                               program.bundle().resources() / "HowHot.svg");
    auto picture = HowHot();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 150);
    program.bundle().remove("HowHot.svg");
    EXPECT_EQ(HowHot(), picture);
}

TEST_F(MediaAccessors, EveryShippedItemLoads) {
    for (auto accessor : {&R0, &R1, &R2, &R3, &R4, &R5, &R6, &R7, &R8, &R9, &R10, &R11, &R12, &R13, &R14, &R15,
                          &R16, &R17, &R18, &R19, &R20, &R21, &nice})
        EXPECT_NE(accessor(), nullptr);
    EXPECT_NE(PellowickIntroVideo(), nullptr);
    EXPECT_EQ(guymeditating()->Width(), 175);
    EXPECT_EQ(guymeditating()->Height(), 200);
    EXPECT_EQ(HotnessMeter1()->Width(), 100);
    EXPECT_EQ(PellowickUpdatedLogosmall()->Width(), 280);
    EXPECT_EQ(PellowickUpdatedLogosmall()->Height(), 167);
}
