#include "runtime/Runtime.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopWindow.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>

TEST(WindowTimer, ANewTimerHasNoWindowAndIndexZero) {
    fw::RuntimeInit();
    auto timer = std::make_shared<WinMain::_wrapper_Timer1>();
    EXPECT_EQ(timer->Window(), nullptr);
    EXPECT_EQ(timer->Index_(), 0);
    EXPECT_EQ(timer->classRecord().name(), "WinMain._wrapper_Timer1");
    EXPECT_EQ(std::make_shared<WinStart::_wrapper_VideoTimer>()->classRecord().name(), "WinStart._wrapper_VideoTimer");
}

TEST(WindowTimer, ASecondWindowReplacesTheFirstAndTheLinkNeverKeepsAWindowAlive) {
    fw::RuntimeInit();
    auto timer = std::make_shared<WinMain::_wrapper_Timer1>();
    auto first = std::make_shared<fw::DesktopWindow>();
    auto second = std::make_shared<fw::DesktopWindow>();
    timer->SetWindow_(first);
    timer->SetWindow_(second);
    EXPECT_EQ(timer->Window(), second);
    second.reset();
    EXPECT_EQ(timer->Window(), nullptr);
    timer->SetIndex_(3);
    EXPECT_EQ(timer->Index_(), 3);
}

TEST(WindowTimer, TheRatingWindowsTimerKnowsItsWindowUntilTheWindowIsGone) {
    ProgramHarness program;
    program.start();
    auto window = implicit::WinMain();
    auto timer = std::dynamic_pointer_cast<WinMain::_wrapper_Timer1>(window->Timer1());
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Window(), window);
    window->Close();
    window.reset();
    EXPECT_EQ(timer->Window(), nullptr);
}
