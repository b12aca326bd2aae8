#include "app/MainMenuBar.h"
#include "media/MediaAccessors.h"
#include "runtime/RuntimeException.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Expected {
    std::string name;
    std::string className;
    fw::platform::Rect frame;
};

const std::vector<Expected> kControls = {
    {"btn_RateMe", "DesktopButton", 268, 374, 110, 43},
    {"lbl_description", "DesktopLabel", 83, 0, 468, 62},
    {"lbl_result", "DesktopLabel", 17, 329, 616, 33},
    {"Canvas1", "DesktopCanvas", 233, 108, 175, 200},
    {"lbl_Copyright", "DesktopLabel", 17, 485, 434, 20},
    {"btn_visitWebsite", "DesktopButton", 520, 485, 106, 20},
    {"btn_quit", "DesktopButton", 283, 422, 80, 32},
    {"Canvas2", "DesktopCanvas", 58, 142, 100, 100},
    {"lbl_hotnessnmeter", "DesktopLabel", 41, 92, 130, 49},
    {"Canvas3", "DesktopCanvas", 447, 108, 150, 150},
};

std::tuple<int, int, int, int> corners(const fw::platform::Rect& frame) {
    return {frame.left, frame.top, frame.left + frame.width, frame.top + frame.height};
}

class RatingWindow : public ::testing::Test {
protected:
    void SetUp() override {
        program.start();
        window = implicit::WinMain();
    }
    ProgramHarness program;
    std::shared_ptr<WinMain> window;
};

} // namespace

TEST_F(RatingWindow, IsMadeHiddenWithACloseButtonOnlyAndTitledOnceOpen) {
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(window->Width(), 675);
    EXPECT_EQ(window->Height(), 552);
    EXPECT_FALSE(window->Resizeable());
    EXPECT_TRUE(window->HasCloseButton());
    EXPECT_FALSE(window->HasMinimizeButton());
    EXPECT_FALSE(window->HasMaximizeButton());
    EXPECT_FALSE(window->HasFullScreenButton());
    EXPECT_EQ(window->Title(), "Kelvory 1.0");
    EXPECT_EQ(program.platform().stateOf(*window).title, "Kelvory 1.0");
    EXPECT_EQ(window->MenuBar(), implicit::MainMenuBar());
    EXPECT_FALSE(window->HasBackgroundColor()) << "white is stored but the standard background shows";
    EXPECT_EQ(implicit::WinMain(), window) << "a further reference makes no second window";
}

TEST_F(RatingWindow, PlacesItsTenVisibleControlsInTabOrderWithoutOverlap) {
    const auto& shownWindow = program.platform().stateOf(*window);
    std::vector<fw::platform::Rect> placed;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Expected& expected = kControls[i];
        auto control = std::dynamic_pointer_cast<fw::DesktopUIControl>(window->ControlByName_(expected.name));
        ASSERT_NE(control, nullptr) << expected.name;
        EXPECT_EQ(control->classRecord().name(), expected.className);
        const auto& shown = program.platform().stateOf(*control);
        EXPECT_EQ(corners(shown.frame), corners(expected.frame)) << expected.name;
        EXPECT_EQ(shown.tabIndex, static_cast<int>(i)) << expected.name;
        EXPECT_TRUE(shown.visible && shown.enabled) << expected.name;
        // On the frames the window really has: each fits inside it and overlaps none before it.
        const auto [left, top, right, bottom] = corners(shown.frame);
        EXPECT_TRUE(left >= 0 && top >= 0 && right <= shownWindow.width && bottom <= shownWindow.height)
            << expected.name << " does not fit the window";
        for (std::size_t j = 0; j < placed.size(); ++j) {
            const auto [otherLeft, otherTop, otherRight, otherBottom] = corners(placed[j]);
            EXPECT_TRUE(left >= otherRight || otherLeft >= right || top >= otherBottom || otherTop >= bottom)
                << expected.name << " overlaps " << kControls[j].name;
        }
        placed.push_back(shown.frame);
    }
    EXPECT_EQ(window->Timer1()->classRecord().name(), "WinMain._wrapper_Timer1");
    EXPECT_EQ(window->Controls().size(), 11u);
}

TEST_F(RatingWindow, ShowsItsTextsFontsAndPictures) {
    EXPECT_EQ(window->lbl_result()->Text(), " ");
    EXPECT_EQ(window->lbl_description()->Text(),
              "Let me rate your sex appeal. Click the \"Rate Me\" button below.");
    EXPECT_EQ(window->lbl_description()->Text().size(), 62u);
    EXPECT_EQ(window->btn_RateMe()->Caption(), "Rate Me");
    EXPECT_EQ(window->btn_quit()->Caption(), "Quit");
    EXPECT_EQ(window->btn_visitWebsite()->Caption(), "Visit Website");
    EXPECT_EQ(window->lbl_hotnessnmeter()->Text(), "Hotness Meter");
    EXPECT_EQ(window->lbl_hotnessnmeter()->Font().family, "Apple Chancery");
    EXPECT_EQ(window->lbl_Copyright()->Text(), "Copyright \u00a9 2021 Pellowick. All rights reserved.");
    EXPECT_EQ(window->lbl_Copyright()->Text(), window->Copyright());

    const auto& result = program.platform().stateOf(*window->lbl_result());
    EXPECT_EQ(result.textColor, (fw::platform::Rgb{14, 0, 247}));
    EXPECT_EQ(result.alignment, fw::platform::Alignment::Center);
    EXPECT_TRUE(program.platform().stateOf(*window->lbl_description()).font.italic);
    EXPECT_EQ(window->btn_visitWebsite()->Font().size, 0.0);

    EXPECT_EQ(window->Canvas1()->Backdrop(), guymeditating());
    EXPECT_EQ(window->Canvas2()->Backdrop(), HotnessMeter1());
    EXPECT_EQ(window->Canvas3()->Backdrop(), HowHot());
}

TEST_F(RatingWindow, AnswersForTheEventsItHandles) {
    EXPECT_TRUE(window->IsEventImplemented("Opening"));
    EXPECT_TRUE(window->IsEventImplemented("Closing"));
    EXPECT_FALSE(window->IsEventImplemented("Paint"));
    EXPECT_EQ(window->classRecord().attributes.at("DefaultEvent"), "Opening");
    EXPECT_EQ(std::get<std::string>(window->property("WebsiteURL")), "https://www.pellowick.com/freeforfun");
    EXPECT_EQ(std::get<bool>(window->property("SoundPlayingDelay")), false);
}

TEST_F(RatingWindow, ARecreatedWindowShowsTheSamePictures) {
    auto meter = window->Canvas2()->Backdrop();
    window->Close();
    window.reset();
    auto again = implicit::WinMain();
    EXPECT_FALSE(again->Visible());
    EXPECT_EQ(again->Canvas2()->Backdrop(), meter);
}

TEST(RatingWindowControls, AFailureWhileTheFifthControlIsConfiguredKeepsTheFiveRegistered) {
    ProgramHarness program;
    program.start();
    // The copyright label's stored properties are the first to give it a text.
    program.platform().onControlUpdate([](const fw::platform::ControlState& state) {
        if (state.name == "lbl_Copyright" && !state.text.empty())
            throw fw::RuntimeException("the toolkit refused the label");
    });
    auto window = fw::RuntimeCheckCast<WinMain>(WinMain::Lookup_().create());
    EXPECT_THROW(window->Constructor(), fw::RuntimeException);

    std::vector<std::string> names;
    for (const auto& control : window->Controls())
        names.push_back(std::dynamic_pointer_cast<fw::DesktopUIControl>(control)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"btn_RateMe", "lbl_description", "lbl_result", "Canvas1",
                                               "lbl_Copyright"}));
    EXPECT_NE(window->lbl_Copyright()->TextColor(), nullptr)
        << "the colour came before the stored properties";
    EXPECT_EQ(window->btn_quit(), nullptr);
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("WinMain.WinMain"), nullptr) << "the failed window is not live";
}
