#include "app/Startup.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "ui/DesktopMoviePlayer.h"
#include "windows/credits/Credits.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> visibleWindows() {
    std::vector<std::string> names;
    for (const auto& window : fw::LiveWindows())
        if (window->Visible())
            names.push_back(window->classRecord().name());
    return names;
}

int count(const std::string& className) {
    const auto windows = fw::LiveWindows();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [&](const auto& window) {
        return window->classRecord().name() == className;
    }));
}

} // namespace

TEST(WholeRun, FromTheIntroThroughARatingAndTheCreditsToExit) {
    ProgramHarness program;
    auto& screen = program.platform();
    screen.setScript([&] {
        EXPECT_EQ(visibleWindows(), std::vector<std::string>{"WinStart.WinStart"});
        screen.advance(6000);
        screen.finishMovie(*implicit::WinStart()->MoviePlayer1());
        screen.runPending();
        EXPECT_EQ(visibleWindows(), std::vector<std::string>{"WinMain.WinMain"});
        EXPECT_EQ(implicit::WinMain()->Title(), "Kelvory 1.0");

        implicit::WinStart()->MoviePlayer1()->Play();
        EXPECT_TRUE(screen.finishMovie(*implicit::WinStart()->MoviePlayer1()));
        screen.runPending();
        EXPECT_EQ(count("WinMain.WinMain"), 1);
        EXPECT_EQ(visibleWindows(), std::vector<std::string>{"WinMain.WinMain"});

        screen.advance(5000); // VideoTimer fires at 11 s and changes nothing
        EXPECT_EQ(visibleWindows(), std::vector<std::string>{"WinMain.WinMain"});

        screen.press(*implicit::WinMain()->btn_RateMe());
        EXPECT_NE(implicit::WinMain()->lbl_result()->Text(), " ");
        screen.press(*implicit::WinMain()->btn_quit());
        EXPECT_EQ(visibleWindows(), std::vector<std::string>{"Credits.Credits"});

        screen.press(*implicit::Credits()->btn_VisitOurWebsite());
        screen.press(*implicit::Credits()->btn_exit());
    });
    EXPECT_EQ(ProgramMain(), 0);
    EXPECT_EQ(screen.urlsOpened(), std::vector<std::string>{"https://www.pellowick.com/freeforfun"});
    EXPECT_EQ(screen.messages(),
              std::vector<std::string>{"I hope you are feeling sexy, if not, better luck next time!"});
    EXPECT_TRUE(program.reports().empty());
}

TEST(WholeRun, TheCloseBoxLeavesLikeQuitAndALaterLinkRemakesAHiddenRatingWindow) {
    ProgramHarness program;
    auto& screen = program.platform();
    program.start();
    program.handOver();
    auto first = implicit::WinMain();
    screen.closeBox(*first);
    EXPECT_EQ(visibleWindows(), std::vector<std::string>{"Credits.Credits"});
    EXPECT_TRUE(first->IsClosed());
    EXPECT_EQ(count("WinMain.WinMain"), 0);
    first.reset();

    screen.press(*implicit::Credits()->btn_contactUs());
    EXPECT_EQ(screen.urlsOpened(), std::vector<std::string>{"https://www.pellowick.com/write-us-now"});
    EXPECT_EQ(count("WinMain.WinMain"), 1);
    auto remade = implicit::WinMain();
    EXPECT_FALSE(remade->Visible());
    EXPECT_EQ(remade->Title(), "Kelvory 1.0") << "its Opening ran again";
    EXPECT_EQ(visibleWindows(), std::vector<std::string>{"Credits.Credits"});
    EXPECT_TRUE(program.reports().empty());
}
