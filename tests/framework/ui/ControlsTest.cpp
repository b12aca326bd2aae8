#include "framework/support/ScriptedWindow.h"
#include "framework/support/TempDir.h"
#include "headless/HeadlessPlatform.h"
#include "media/FolderItem.h"
#include "media/Movie.h"
#include "media/Picture.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/KeyNotFoundException.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;
using Window = ScriptedWindow<"WinControls">;

// What the program stores for every visible control, here for one at (17, 329).
fw::StoredProperties placement(const std::string& name, std::int64_t tabIndex) {
    return {{"Name", name},
            {"Index", std::int64_t{-2147483648LL}},
            {"Left", std::int64_t{17}},
            {"Top", std::int64_t{329}},
            {"Width", std::int64_t{616}},
            {"Height", std::int64_t{33}},
            {"LockLeft", true},
            {"LockTop", true},
            {"LockRight", false},
            {"LockBottom", false},
            {"TabIndex", tabIndex},
            {"TabPanelIndex", std::int64_t{0}},
            {"TabStop", true},
            {"AllowAutoDeactivate", true},
            {"Enabled", true},
            {"Visible", true},
            {"Tooltip", std::string()},
            {"InitialParent", std::string()},
            {"Transparent", false}};
}

fw::StoredProperties operator+(fw::StoredProperties a, const fw::StoredProperties& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class Controls : public ::testing::Test {
protected:
    std::shared_ptr<Window> window = Window::Instance();
    HeadlessPlatform& platform = HeadlessPlatform::the();
};

TEST_F(Controls, ALabelShowsItsStoredPropertiesInOneStep) {
    auto label = window->New_<fw::DesktopLabel>();
    window->AddControl_("lbl_result", label);
    auto red = window->New_<fw::ColorGroup>();
    red->SetFromUInt64(0x0E00F7);
    label->TextColor(red);
    int before = platform.nativeOf(*label).updates();
    fw::SetProperties_(*label, placement("lbl_result", 2) + fw::StoredProperties{
                                                                {"Text", std::string(" ")},
                                                                {"TextAlignment", std::int64_t{2}},
                                                                {"Multiline", false},
                                                                {"Selectable", false},
                                                                {"FontName", std::string("System")},
                                                                {"FontSize", 20.0},
                                                                {"FontUnit", std::int64_t{0}},
                                                                {"Bold", true},
                                                                {"Italic", false},
                                                                {"Underline", false},
                                                            });
    EXPECT_EQ(platform.nativeOf(*label).updates(), before + 1);
    const auto& shown = platform.stateOf(*label);
    EXPECT_EQ(shown.text, " ");
    EXPECT_EQ(shown.frame.left, 17);
    EXPECT_EQ(shown.frame.top, 329);
    EXPECT_EQ(shown.frame.width, 616);
    EXPECT_EQ(shown.frame.height, 33);
    EXPECT_EQ(shown.tabIndex, 2);
    EXPECT_EQ(shown.alignment, fw::platform::Alignment::Center);
    EXPECT_EQ(shown.font.family, "System");
    EXPECT_DOUBLE_EQ(shown.font.size, 20.0);
    EXPECT_TRUE(shown.font.bold);
    EXPECT_FALSE(shown.font.italic);
    EXPECT_TRUE(shown.hasTextColor);
    EXPECT_EQ(shown.textColor, (fw::platform::Rgb{14, 0, 247}));
    // Inert design properties are kept as stored.
    EXPECT_EQ(std::get<std::int64_t>(label->DesignProperty("Index")), -2147483648LL);
    EXPECT_EQ(std::get<bool>(label->DesignProperty("LockLeft")), true);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(label->DesignProperty("LockNowhere")));
}

TEST_F(Controls, EachClassRefusesWhatItDoesNotKnow) {
    auto label = AddControl<fw::DesktopLabel>(*window, "label");
    auto button = AddControl<fw::DesktopButton>(*window, "button");
    auto canvas = AddControl<fw::DesktopCanvas>(*window, "canvas");
    auto player = AddControl<fw::DesktopMoviePlayer>(*window, "player");
    EXPECT_THROW(fw::SetProperties_(*label, {{"Caption", std::string("no")}}), fw::KeyNotFoundException);
    EXPECT_THROW(fw::SetProperties_(*button, {{"Multiline", true}}), fw::KeyNotFoundException);
    EXPECT_THROW(fw::SetProperties_(*canvas, {{"FontName", std::string("System")}}),
                 fw::KeyNotFoundException);
    EXPECT_THROW(fw::SetProperties_(*player, {{"Text", std::string("x")}}), fw::KeyNotFoundException);
    EXPECT_THROW(fw::SetProperties_(*label, {{"TextAlignment", std::int64_t{4}}}),
                 fw::InvalidArgumentException);
    EXPECT_THROW(fw::SetProperties_(*label, {{"Bold", std::string("yes")}}), fw::InvalidArgumentException);
    // Accepted by the class they belong to.
    EXPECT_NO_THROW(fw::SetProperties_(*button, {{"MacButtonStyle", std::int64_t{0}}, {"Default", false}}));
    EXPECT_NO_THROW(fw::SetProperties_(*canvas, {{"AllowFocus", false}, {"AllowFocusRing", true}}));
    EXPECT_NO_THROW(fw::SetProperties_(
        *player, {{"AutoAdjustToMovieSize", true}, {"PlayerType", std::int64_t{0}}, {"Position", 0.0}}));
}

TEST_F(Controls, AButtonsCaptionAndFontReachTheNativeButton) {
    auto button = AddControl<fw::DesktopButton>(*window, "btn_visitWebsite",
                                                {{"Caption", std::string("Visit Website")},
                                                 {"FontName", std::string("System")},
                                                 {"FontSize", std::int64_t{0}},
                                                 {"Bold", true}});
    EXPECT_EQ(platform.stateOf(*button).text, "Visit Website");
    EXPECT_DOUBLE_EQ(platform.stateOf(*button).font.size, 0.0);
    button->Caption("Quit");
    EXPECT_EQ(platform.stateOf(*button).text, "Quit");
    button->Enabled(false);
    EXPECT_FALSE(platform.stateOf(*button).enabled);
}

TEST_F(Controls, ACanvasShowsItsBackdropAndNilClearsIt) {
    TempDir dir;
    auto file =
        dir.write("meter.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100"/>)");
    auto picture = std::make_shared<fw::Picture>(file, platform.openPicture(file));
    auto canvas = AddControl<fw::DesktopCanvas>(*window, "Canvas2");
    canvas->Backdrop(picture);
    EXPECT_EQ(platform.stateOf(*canvas).picture, picture->native());
    EXPECT_EQ(canvas->Backdrop(), picture);
    canvas->Backdrop(nullptr);
    EXPECT_EQ(platform.stateOf(*canvas).picture, nullptr);
}

TEST_F(Controls, AMoviePlayerWithoutAMovieStopsAtOnceWhenAskedToPlay) {
    auto player = AddControl<fw::DesktopMoviePlayer>(*window, "MoviePlayer1");
    window->BindEvent_(player, "MovieStopped", "Player_MovieStopped");
    player->Movie(nullptr);
    player->Play();
    EXPECT_TRUE(Window::calls.back() != "MovieStopped MoviePlayer1") << "reported from the event loop";
    platform.runPending();
    EXPECT_EQ(Window::calls.back(), "MovieStopped MoviePlayer1");
    EXPECT_FALSE(platform.finishMovie(*player)) << "nothing is playing";
}

TEST_F(Controls, AMoviePlayerPlaysItsMovieUntilItEnds) {
    TempDir dir;
    auto file = dir.write("PellowickIntroVideo.mp4", std::string("\0\0\0\x20"
                                                                 "ftypisom",
                                                                 12));
    auto player = AddControl<fw::DesktopMoviePlayer>(*window, "MoviePlayer1",
                                                     {{"AutoPlay", true}, {"HasController", true}});
    window->BindEvent_(player, "MovieStopped", "Player_MovieStopped");
    player->Movie(fw::FolderItem(file).OpenAsMovie());
    ASSERT_NE(player->Movie(), nullptr);
    EXPECT_EQ(platform.stateOf(*player).movie, player->Movie()->native());
    EXPECT_TRUE(platform.stateOf(*player).hasController);
    player->Play();
    platform.runPending();
    EXPECT_THAT(platform.moviesPlayed(), ElementsAre("PellowickIntroVideo.mp4"));
    EXPECT_EQ(Window::calls.back(), "Opening") << "still playing";
    EXPECT_TRUE(platform.finishMovie(*player));
    EXPECT_EQ(Window::calls.back(), "MovieStopped MoviePlayer1");
}

TEST_F(Controls, ClosingTheWindowDropsTheNativeControls) {
    auto label = AddControl<fw::DesktopLabel>(*window, "label", {{"Text", std::string("kept")}});
    window->Close();
    EXPECT_EQ(label->native(), nullptr);
    EXPECT_THROW(platform.stateOf(*label), std::logic_error);
    label->Text("still settable");
    EXPECT_EQ(label->Text(), "still settable");
}

} // namespace
