#include "media/Picture.h"

#include "framework/support/TempDir.h"
#include "headless/HeadlessPlatform.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using fw::headless::HeadlessPlatform;

// A PNG header declaring `width` by `height`.
std::string pngHeader(std::uint32_t width, std::uint32_t height) {
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
    return bytes + std::string("\x08\x06\0\0\0", 5);
}

// A bundle laid out as the build lays it out: <bundle>/bin/kelvory beside <bundle>/Resources.
class Bundle : public ::testing::Test {
protected:
    Bundle() {
        HeadlessPlatform::the().setExecutablePath(dir.write("Kelvory/bin/kelvory", "\x7f"
                                                                                   "ELF"));
    }
    std::filesystem::path resource(const std::string& name, const std::string& bytes) {
        return dir.write("Kelvory/Resources/" + name, bytes);
    }
    TempDir dir;
};

TEST_F(Bundle, FindsAnSvgByItsBareNameBeforeAPng) {
    resource("HowHot.png", pngHeader(10, 10));
    auto svg = resource("HowHot.svg",
                        "<?xml version=\"1.0\"?>\n<!-- a flame -->\n<svg xmlns=\"http://www.w3.org/2000/svg\""
                        " stroke-width=\"3\" width=\"150\" height=\"150.4px\" viewBox=\"0 0 150 150\">");
    auto picture = fw::Picture::OpenFromApp_("HowHot");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->file(), svg);
    EXPECT_EQ(picture->Width(), 150);
    EXPECT_EQ(picture->Height(), 150);
}

TEST_F(Bundle, FallsBackToAPng) {
    resource("HotnessMeter1.png", pngHeader(100, 80));
    resource("HotnessMeter1.svg", "not a picture at all");
    auto picture = fw::Picture::OpenFromApp_("HotnessMeter1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->file().filename(), "HotnessMeter1.png");
    EXPECT_EQ(picture->Width(), 100);
    EXPECT_EQ(picture->Height(), 80);
}

TEST_F(Bundle, AnSvgWithoutASizeTakesItsViewBox) {
    resource("logo.svg", "<svg viewBox='0 0 64 32'></svg>");
    auto picture = fw::Picture::OpenFromApp_("logo");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 64);
    EXPECT_EQ(picture->Height(), 32);
}

TEST_F(Bundle, GivesNilForWhatIsNotThere) {
    resource("guymeditating.jpg", "\xFF\xD8\xFF");
    EXPECT_EQ(fw::Picture::OpenFromApp_("guymeditating"), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp_(""), nullptr);
    resource("inner/HowHot.svg", "<svg width='1' height='1'/>");
    EXPECT_EQ(fw::Picture::OpenFromApp_("inner/HowHot"), nullptr);
    EXPECT_EQ(fw::Picture::OpenFromApp_("HowHot.svg"), nullptr) << "the name is bare";
}

TEST(PictureWithoutBundle, GivesNilWhenThereIsNoResourcesFolder) {
    TempDir dir;
    HeadlessPlatform::the().setExecutablePath(dir.write("bin/kelvory", "\x7f"
                                                                       "ELF"));
    dir.write("Resources.txt", "");
    EXPECT_EQ(fw::Picture::OpenFromApp_("HowHot"), nullptr);
}

} // namespace
