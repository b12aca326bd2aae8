#include "app/App.h"
#include "app/InitializerTable.h"
#include "app/MainMenuBar.h"
#include "app/Startup.h"
#include "runtime/NilObjectException.h"
#include "runtime/Runtime.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopWindow.h"
#include "windows/intro/WinStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {
std::vector<std::string> liveWindowClasses() {
    std::vector<std::string> names;
    for (const auto& window : fw::LiveWindows())
        names.push_back(window->classRecord().name());
    return names;
}
} // namespace

TEST(Startup, InitialiserTableRunsClassRecordsThenTheMenuBarThenTheMediaCells) {
    auto table = ProgramInitializers();
    std::vector<std::string> names;
    for (const auto& entry : table)
        names.emplace_back(entry.name);
    const std::vector<std::string> head(names.begin(), names.begin() + 8);
    EXPECT_EQ(head, (std::vector<std::string>{"App.__ctblinit", "WinStart._wrapper_VideoTimer.__ctblinit",
                                              "WinStart.__ctblinit", "WinMain._wrapper_Timer1.__ctblinit",
                                              "WinMain.__ctblinit", "Credits.__ctblinit",
                                              "MainMenuBar._implicitInstance.__Init", "MainMenuBar.__ctblinit"}));
    ASSERT_EQ(names.size(), 8u + 2 * 24);
    EXPECT_EQ(names[8], "R0.loaded.__Init");
    EXPECT_EQ(names[9], "R0.permaSound.__Init");
    EXPECT_EQ(names[8 + 2 * 22], "nice.loaded.__Init");
    EXPECT_EQ(names.back(), "PellowickIntroVideo.permaMovie.__Init");
}

TEST(Startup, EarlyStartupSwitchesOnHiDPIAndDarkModeAndInstallsTheMenuBarBeforeAnyWindow) {
    ProgramHarness program;
    program.startEarly();
    EXPECT_TRUE(fw::DesktopApplication::SupportsHiDPI());
    EXPECT_TRUE(fw::DesktopApplication::DarkModeSupport());
    auto app = fw::DesktopApplication::Current();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->classRecord().name(), "App");
    EXPECT_NE(app->MenuBar(), nullptr);
    EXPECT_EQ(app->MenuBar(), MainMenuBar::_implicitInstance);
    EXPECT_TRUE(fw::LiveWindows().empty());
}

TEST(Startup, VersionDataIsOnePointZeroWithEmptyTexts) {
    ProgramHarness program;
    program.startEarly();
    auto app = fw::DesktopApplication::Current();
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 0);
    EXPECT_EQ(app->LongVersion(), "");
    EXPECT_EQ(app->ShortVersion(), "");
    EXPECT_EQ(app->PackageInfo(), "");
}

TEST(Startup, LateStartupCreatesOnlyTheIntroWindowAndItIsVisible) {
    ProgramHarness program;
    program.start();
    EXPECT_EQ(liveWindowClasses(), std::vector<std::string>{"WinStart.WinStart"});
    EXPECT_TRUE(implicit::WinStart()->Visible());
}

TEST(Startup, AppHandlesNoEvent) {
    ProgramHarness program;
    program.startEarly();
    auto app = fw::DesktopApplication::Current();
    for (const char* event : {"Opening", "Closing", "UnhandledException", "Activated", "MenuBarSelected", "Paint", ""})
        EXPECT_FALSE(app->IsEventImplemented(event)) << event;
}

TEST(Startup, AnExceptionPendingAtStartIsReportedAndNothingIsCreated) {
    ProgramHarness program;
    fw::RuntimeInit();
    fw::RuntimePerformInitializers(ProgramInitializers());
    fw::RuntimeSetPendingException(std::make_shared<fw::NilObjectException>("left by an initialiser"));
    Main_();
    fw::RuntimePerformFinalizers();

    EXPECT_EQ(program.reports(), std::vector<std::string>{"NilObjectException: left by an initialiser"});
    EXPECT_EQ(fw::DesktopApplication::Current(), nullptr);
    EXPECT_EQ(MainMenuBar::_implicitInstance, nullptr);
    EXPECT_TRUE(fw::LiveWindows().empty());
    EXPECT_NE(fw::RuntimeExit(), 0);
}

TEST(Startup, TheWholeRunEndsWithTheQuitCode) {
    ProgramHarness program;
    program.platform().setScript([&] {
        EXPECT_EQ(liveWindowClasses(), std::vector<std::string>{"WinStart.WinStart"});
        fw::Quit(7);
    });
    EXPECT_EQ(ProgramMain(), 7);
    EXPECT_EQ(exitStatus, 7);
}

TEST(Startup, WithNoDisplayTheRunReportsOnceAndExitsNonZero) {
    ProgramHarness program;
    program.platform().setDisplayAvailable(false);
    EXPECT_NE(ProgramMain(), 0);
    ASSERT_EQ(program.reports().size(), 1u);
    EXPECT_EQ(program.reports()[0].rfind("NoDisplayException", 0), 0u);
    EXPECT_TRUE(fw::LiveWindows().empty());
}
