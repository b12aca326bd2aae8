#include "framework/support/Reports.h"
#include "framework/support/ScriptedWindow.h"
#include "headless/HeadlessPlatform.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/NilObjectException.h"
#include "ui/PaneChild.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;
using Window = ScriptedWindow<"WinTimer">;

// A timer control as a window places it: registered, configured in one step, bound.
std::shared_ptr<fw::Timer> placeTimer(Window& window, std::int64_t runMode, std::int64_t period) {
    auto timer = window.New_<fw::Timer>();
    window.AddControl_("Timer1", timer);
    fw::SetProperties_(*timer, {{"RunMode", runMode}, {"Period", period}, {"Enabled", true}});
    window.BindEvent_(timer, "Action", "Timer_Action");
    return timer;
}

// The moments (virtual milliseconds) at which the window's Action handler ran.
class Ticks {
public:
    Ticks() {
        Window::onAction = [this](Window&) { at.push_back(HeadlessPlatform::the().now()); };
    }
    std::vector<std::int64_t> at;
};

TEST(Timer, ARepeatingTimerFiresEveryPeriodFromItsConfiguration) {
    Ticks ticks;
    HeadlessPlatform::the().advance(300); // the clock is not at zero when the window is built
    auto window = Window::Instance();
    placeTimer(*window, 2, 4500);
    HeadlessPlatform::the().advance(4499);
    EXPECT_TRUE(ticks.at.empty());
    HeadlessPlatform::the().advance(1);
    HeadlessPlatform::the().advance(9000);
    EXPECT_THAT(ticks.at, ElementsAre(4800, 9300, 13800));
}

TEST(Timer, ASingleTimerFiresOnceAfterOnePeriod) {
    Ticks ticks;
    auto window = Window::Instance();
    placeTimer(*window, 1, 11000);
    HeadlessPlatform::the().advance(60000);
    EXPECT_THAT(ticks.at, ElementsAre(11000));
    EXPECT_EQ(HeadlessPlatform::the().activeTimers(), 0u);
}

TEST(Timer, RunsWhetherOrNotItsWindowIsShown) {
    Ticks ticks;
    auto window = Window::Instance();
    ASSERT_FALSE(window->Visible());
    placeTimer(*window, 2, 100);
    HeadlessPlatform::the().advance(250);
    EXPECT_EQ(ticks.at.size(), 2u);
}

TEST(Timer, NothingButItsOwnSettersOrResetRestartsIt) {
    Ticks ticks;
    auto window = Window::Instance();
    auto timer = placeTimer(*window, 2, 4500);
    // What happens to the window leaves the counting alone...
    HeadlessPlatform::the().advance(3000);
    window->Show();
    fw::SetProperties_(*window, {{"Title", std::string("busy")}});
    HeadlessPlatform::the().advance(1500);
    EXPECT_THAT(ticks.at, ElementsAre(4500));
    // ...while Reset counts a whole period from now.
    HeadlessPlatform::the().advance(1000); // 5500
    timer->Reset();
    HeadlessPlatform::the().advance(4499);
    EXPECT_THAT(ticks.at, ElementsAre(4500));
    HeadlessPlatform::the().advance(1);
    EXPECT_THAT(ticks.at, ElementsAre(4500, 10000));
}

TEST(Timer, EachSetterRestartsButAppliedPropertiesStartItOnce) {
    auto timer = std::make_shared<fw::Timer>();
    auto& platform = HeadlessPlatform::the();
    fw::SetProperties_(*timer,
                       {{"Enabled", false}, {"Period", std::int64_t{50}}, {"RunMode", std::int64_t{2}}});
    EXPECT_EQ(platform.activeTimers(), 0u) << "disabled by its stored properties";
    platform.advance(20);
    timer->Enabled(true);
    EXPECT_EQ(platform.nextTimerDue(), 70);
    platform.advance(30);
    timer->Period(100);
    EXPECT_EQ(platform.nextTimerDue(), 150);
    timer->RunMode(fw::Timer::RunModes::Off);
    EXPECT_EQ(platform.activeTimers(), 0u);
    EXPECT_THROW(timer->Period(-1), fw::InvalidArgumentException);
}

TEST(Timer, AHandlerThatStopsOrRestartsItsTimerIsObeyed) {
    Ticks ticks;
    auto window = Window::Instance();
    auto timer = placeTimer(*window, 2, 100);
    Window::onAction = [&](Window&) {
        ticks.at.push_back(HeadlessPlatform::the().now());
        if (ticks.at.size() == 2)
            timer->Period(1000); // counts from this firing
        if (ticks.at.size() == 3)
            timer->Enabled(false);
    };
    HeadlessPlatform::the().advance(5000);
    EXPECT_THAT(ticks.at, ElementsAre(100, 200, 1200));
}

TEST(Timer, AReportedExceptionDoesNotStopIt) {
    Reports reports;
    Ticks ticks;
    auto window = Window::Instance();
    placeTimer(*window, 2, 100);
    Window::onAction = [&](Window&) {
        ticks.at.push_back(HeadlessPlatform::the().now());
        throw fw::NilObjectException("no button");
    };
    testing::internal::CaptureStderr();
    HeadlessPlatform::the().advance(200);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ticks.at.size(), 2u);
    EXPECT_THAT(reports.lines, ElementsAre("NilObjectException|WinTimer.WinTimer.Timer_Action|no button",
                                           "NilObjectException|WinTimer.WinTimer.Timer_Action|no button"));
}

TEST(Timer, TellsNotificationReceiversAfterItsHandler) {
    struct Receiver : fw::ActionNotificationReceiver {
        void PerformAction() override { Window::calls.push_back("receiver"); }
    };
    auto receiver = std::make_shared<Receiver>();
    auto window = Window::Instance();
    auto timer = placeTimer(*window, 1, 10);
    timer->addActionNotificationReceiver(receiver);
    timer->addActionNotificationReceiver(receiver);
    HeadlessPlatform::the().advance(10);
    timer->removeActionNotificationReceiver(receiver);
    timer->Reset();
    HeadlessPlatform::the().advance(10);
    EXPECT_THAT(Window::calls,
                ElementsAre("Layout", "CreateControls", "Opening", "Action", "receiver", "Action"));
    EXPECT_THROW(timer->addActionNotificationReceiver(nullptr), fw::NilObjectException);
}

TEST(Timer, TimersDueTogetherFireInTheOrderTheyStarted) {
    std::vector<std::string> order;
    auto a = std::make_shared<fw::Timer>();
    auto b = std::make_shared<fw::Timer>();
    a->bindEvent("Action", [&](const std::vector<fw::Variant>&) {
        order.push_back("a");
        return fw::Variant{};
    });
    b->bindEvent("Action", [&](const std::vector<fw::Variant>&) {
        order.push_back("b");
        return fw::Variant{};
    });
    EXPECT_FALSE(b->bindEvent("Pressed", {}));
    b->Period(20);
    a->Period(10); // due 10, 20, 30, 40; b, started first, due 20 and 40
    HeadlessPlatform::the().advance(40);
    EXPECT_THAT(order, ElementsAre("a", "b", "a", "a", "b", "a"));
}

// A window's own timer class, as the program makes one per timer control.
class WindowTimer : public fw::Timer, public fw::PaneChild {
public:
    void SetWindow_(const std::shared_ptr<fw::Object>& window) override { window_ = window; }
    std::shared_ptr<fw::DesktopWindow> Window() const override {
        return fw::RuntimeCheckCast<fw::DesktopWindow>(window_.lock());
    }
    std::int64_t Index_() const override { return index_; }
    void SetIndex_(std::int64_t index) override { index_ = index; }

private:
    std::weak_ptr<fw::Object> window_;
    std::int64_t index_ = 0;
};

TEST(Timer, APaneChildLearnsItsWindowAndIndexWhenRegistered) {
    auto window = Window::Instance();
    AddControl<fw::DesktopButton>(*window, "first");
    auto timer = std::make_shared<WindowTimer>();
    EXPECT_EQ(timer->Window(), nullptr);
    window->AddControl_("Timer1", timer);
    EXPECT_EQ(timer->Window(), window);
    EXPECT_EQ(timer->Index_(), 1);
    window->Close();
    window.reset();
    EXPECT_EQ(timer->Window(), nullptr) << "the timer never keeps its window alive";
}

} // namespace
