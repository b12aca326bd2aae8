#include "framework/support/ScriptedWindow.h"
#include "headless/HeadlessPlatform.h"
#include "runtime/NoDisplayException.h"
#include "runtime/Runtime.h"
#include "ui/DesktopApplication.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;

// A program's application class: no events of its own.
class TestApp : public fw::DesktopApplication {
public:
    static const fw::ClassRecord& Lookup_() {
        return fw::ClassRegistry::the().define(
            "TestApp", &fw::DesktopApplication::Lookup_(),
            [](fw::ClassRecord& r) { r.create = [] { return std::make_shared<TestApp>(); }; });
    }
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
};

std::vector<std::string> lateCalls;

void lateStartup() {
    lateCalls.push_back(HeadlessPlatform::the().initialized() ? "after initialisation" : "too early");
}

TEST(Application, QuitMakesTheExitStatus) {
    fw::Quit(3);
    EXPECT_EQ(fw::RuntimeExit(), 3);
    EXPECT_EQ(HeadlessPlatform::the().quitCode(), 3);
    EXPECT_THAT(HeadlessPlatform::the().eventLog(), ElementsAre("quit 3"));
}

TEST(Application, TheEventLoopReturnsWithTheQuitCode) {
    HeadlessPlatform::the().setScript([] {
        EXPECT_TRUE(HeadlessPlatform::the().running());
        fw::Quit(0);
        fw::Quit(5);
    });
    fw::RuntimeRun_();
    EXPECT_EQ(fw::RuntimeExit(), 5);
    EXPECT_FALSE(HeadlessPlatform::the().running());
}

TEST(Application, ALoopThatEndsByItselfLeavesStatusZero) {
    fw::RuntimeRun_();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST(Application, InitialisationConnectsPushesTheSwitchesThenCallsLateStartupOnce) {
    fw::DesktopApplication::SetSupportsHiDPI_(true);
    fw::DesktopApplication::EnableDarkModeSupport_();
    EXPECT_TRUE(fw::DesktopApplication::SupportsHiDPI());
    EXPECT_TRUE(fw::DesktopApplication::DarkModeSupport());
    fw::RuntimeRegisterAppObject_(fw::RuntimeCheckCast<TestApp>(TestApp::Lookup_().create()));
    fw::RunFrameworkInitialization_(&lateStartup);
    EXPECT_THAT(lateCalls, ElementsAre("after initialisation"));
    EXPECT_TRUE(HeadlessPlatform::the().supportsHiDPI());
    EXPECT_TRUE(HeadlessPlatform::the().darkModeSupport());
}

TEST(Application, WithoutADisplayInitialisationRaisesAndLateStartupNeverRuns) {
    HeadlessPlatform::the().setDisplayAvailable(false);
    EXPECT_THROW(fw::RunFrameworkInitialization_(&lateStartup), fw::NoDisplayException);
    EXPECT_TRUE(lateCalls.empty());
}

TEST(Application, KeepsItsObjectVersionDataAndAnswersNoEvents) {
    auto app = std::make_shared<TestApp>();
    app->_x_SetVersionData(1, 0, 0, 0, 0, "", "", "");
    fw::RuntimeRegisterAppObject_(app);
    EXPECT_EQ(fw::DesktopApplication::Current(), app);
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(std::get<std::int64_t>(app->property("StageCode")), 0);
    EXPECT_EQ(app->LongVersion(), "");
    for (const char* event : {"Opening", "Closing", "UnhandledException"})
        EXPECT_FALSE(app->IsEventImplemented(event)) << event;
}

TEST(Application, TheFrameworksFinaliserLetsGoOfWindowsWithoutClosingThem) {
    using Window = ScriptedWindow<"WinFinal">;
    fw::RuntimePerformInitializers({});
    auto window = Window::Instance();
    std::weak_ptr<Window> weak = window;
    window.reset();
    EXPECT_FALSE(weak.expired()) << "the framework holds live windows";
    fw::RuntimePerformFinalizers();
    EXPECT_TRUE(weak.expired());
    EXPECT_TRUE(HeadlessPlatform::the().windows().empty());
    EXPECT_THAT(Window::calls, ::testing::Not(::testing::Contains("Closing")));
    EXPECT_FALSE(HeadlessPlatform::the().quitCode());
}

} // namespace
