#include "support/ProgramHarness.h"
#include "ui/DesktopMoviePlayer.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class IntroWindow : public ::testing::Test {
protected:
    void SetUp() override {
        program.start();
        started = program.platform().now();
        intro = implicit::WinStart();
    }
    int liveWindows(const std::string& className) {
        const auto windows = fw::LiveWindows();
        return static_cast<int>(std::count_if(windows.begin(), windows.end(), [&](const auto& window) {
            return window->classRecord().name() == className;
        }));
    }
    ProgramHarness program;
    std::int64_t started = 0;
    std::shared_ptr<WinStart> intro;
};

} // namespace

TEST_F(IntroWindow, IsTheOnlyWindowAtStartWithNoTitleBarButtonAndTheMovieOverItAll) {
    EXPECT_TRUE(intro->Visible());
    EXPECT_EQ(intro->Title(), "A Pellowick Production");
    EXPECT_EQ(intro->Width(), 960);
    EXPECT_EQ(intro->Height(), 540);
    EXPECT_FALSE(intro->Resizeable());
    EXPECT_FALSE(intro->HasCloseButton() || intro->HasMinimizeButton() || intro->HasMaximizeButton() ||
                 intro->HasFullScreenButton());
    EXPECT_EQ(intro->MenuBar(), nullptr);
    EXPECT_EQ(liveWindows("WinMain.WinMain"), 0) << "the rating window does not exist while the movie plays";

    auto player = intro->MoviePlayer1();
    const auto& shown = program.platform().stateOf(*player);
    EXPECT_EQ(shown.frame.left, 0);
    EXPECT_EQ(shown.frame.top, 0);
    EXPECT_EQ(shown.frame.width, 960);
    EXPECT_EQ(shown.frame.height, 540);
    EXPECT_TRUE(shown.hasController && shown.hasStepControls && shown.hasVolumeControl);
    EXPECT_TRUE(player->AutoPlay());
    EXPECT_FALSE(player->AutoRepeat());
    ASSERT_NE(player->Movie(), nullptr);
    EXPECT_NE(std::find(program.platform().eventLog().begin(), program.platform().eventLog().end(),
                        "movie PellowickIntroVideo.mp4"),
              program.platform().eventLog().end())
        << "the movie starts when the window opens";
}

TEST_F(IntroWindow, TheClosingBoxCannotBeUsed) {
    program.platform().closeBox(*intro);
    EXPECT_TRUE(intro->Visible());
    EXPECT_EQ(implicit::WinStart(), intro);
}

TEST_F(IntroWindow, WhenTheMovieStopsItHidesAndShowsTheRatingWindowEveryTime) {
    program.handOver();
    EXPECT_FALSE(intro->Visible());
    auto rating = implicit::WinMain();
    EXPECT_TRUE(rating->Visible());
    EXPECT_EQ(rating->Title(), "Kelvory 1.0");

    rating->Hide();
    intro->MoviePlayer1()->Play(); // played again from its controller, it stops again
    program.handOver();
    EXPECT_EQ(liveWindows("WinMain.WinMain"), 1) << "a second report repeats the hand-over with the same window";
    EXPECT_TRUE(implicit::WinMain()->Visible());
    EXPECT_EQ(implicit::WinStart(), intro);
    EXPECT_EQ(liveWindows("WinStart.WinStart"), 1);
}

TEST_F(IntroWindow, TheVideoTimerFiresOnceAtElevenSecondsAndChangesNothing) {
    program.platform().advance(10999);
    EXPECT_TRUE(intro->Visible());
    program.platform().advance(1);
    EXPECT_TRUE(intro->Visible()) << "the hand-over rests on the movie alone";
    EXPECT_EQ(liveWindows("WinMain.WinMain"), 0);
    program.platform().advance(60000);
    EXPECT_TRUE(program.reports().empty());
    EXPECT_EQ(intro->VideoTimer()->RunMode(), fw::Timer::RunModes::Single);
    EXPECT_EQ(intro->VideoTimer()->Period(), 11000);
}

TEST_F(IntroWindow, AnswersForOpeningOnly) {
    EXPECT_TRUE(intro->IsEventImplemented("Opening"));
    EXPECT_FALSE(intro->IsEventImplemented("Closing"));
    EXPECT_FALSE(intro->IsEventImplemented("Paint"));
}

TEST(IntroWithoutMovie, AMissingMovieIsReportedAndTheIntroStillHandsOver) {
    ProgramHarness program;
    program.bundle().remove("PellowickIntroVideo.mp4");
    program.start();
    auto intro = implicit::WinStart();
    EXPECT_EQ(intro->MoviePlayer1()->Movie(), nullptr);
    ASSERT_EQ(program.reports().size(), 1u);
    EXPECT_EQ(program.reports()[0].rfind("NilObjectException", 0), 0u);
    program.platform().runPending();
    EXPECT_FALSE(intro->Visible());
    EXPECT_TRUE(implicit::WinMain()->Visible());
}

TEST(IntroWithoutMovie, AMovieThatIsNoMovieLeavesThePlayerEmptyWithoutAReport) {
    ProgramHarness program;
    program.bundle().write("PellowickIntroVideo.mp4", "not a movie");
    program.start();
    program.platform().runPending();
    EXPECT_TRUE(program.reports().empty());
    EXPECT_TRUE(implicit::WinMain()->Visible());
}
