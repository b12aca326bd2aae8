#include "framework/support/Reports.h"
#include "framework/support/ScriptedWindow.h"
#include "headless/HeadlessPlatform.h"
#include "runtime/EndException.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/KeyNotFoundException.h"
#include "runtime/NilObjectException.h"
#include "runtime/Runtime.h"
#include "runtime/ThreadEndException.h"
#include "ui/DesktopApplication.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;
using Window = ScriptedWindow<"WinEvents">;

// A shown window with a button bound to Button_Pressed and a label bound to Label_MouseDown.
std::shared_ptr<Window> windowWithControls() {
    Window::onLayout = [](Window& w) { fw::SetProperties_(w, WindowProperties(true)); };
    Window::onCreateControls = [](Window& w) {
        auto button = AddControl<fw::DesktopButton>(w, "btn_RateMe", {{"Caption", std::string("Rate Me")}});
        w.BindEvent_(button, "Pressed", "Button_Pressed");
        auto label = AddControl<fw::DesktopLabel>(w, "lbl_Copyright");
        w.BindEvent_(label, "MouseDown", "Label_MouseDown");
    };
    auto window = Window::Instance();
    Window::calls.clear();
    return window;
}

const fw::DesktopButton& button(const Window& window) {
    return *fw::RuntimeCheckCast<fw::DesktopButton>(window.ControlByName_("btn_RateMe"));
}

TEST(EventBinding, CallsTheWindowsMethodWithTheControlAndTheEventsArguments) {
    auto window = windowWithControls();
    auto label = fw::RuntimeCheckCast<fw::DesktopLabel>(window->ControlByName_("lbl_Copyright"));
    EXPECT_TRUE(HeadlessPlatform::the().press(button(*window)));
    EXPECT_TRUE(HeadlessPlatform::the().mouseDown(*label, 12, 7));
    EXPECT_THAT(Window::calls, ElementsAre("Pressed btn_RateMe", "MouseDown lbl_Copyright 12,7"));
}

TEST(EventBinding, RefusesAMissingMethodOrEvent) {
    auto window = windowWithControls();
    auto label = window->ControlByName_("lbl_Copyright");
    EXPECT_THROW(window->BindEvent_(label, "MouseDown", "NoSuchMethod"), fw::KeyNotFoundException);
    EXPECT_THROW(window->BindEvent_(label, "MouseDown", "Listed_Only"), fw::KeyNotFoundException);
    EXPECT_THROW(window->BindEvent_(label, "Pressed", "Button_Pressed"), fw::KeyNotFoundException);
    EXPECT_THROW(window->BindEvent_(nullptr, "Pressed", "Button_Pressed"), fw::NilObjectException);
    EXPECT_THROW(window->BindEvent_(std::make_shared<fw::DesktopWindow>(), "Pressed", "Button_Pressed"),
                 fw::InvalidArgumentException);
}

TEST(EventBinding, ADisabledOrHiddenButtonIsNotPressed) {
    auto window = windowWithControls();
    auto rateMe = fw::RuntimeCheckCast<fw::DesktopButton>(window->ControlByName_("btn_RateMe"));
    rateMe->Enabled(false);
    EXPECT_FALSE(HeadlessPlatform::the().press(*rateMe));
    rateMe->Enabled(true);
    window->Hide();
    EXPECT_FALSE(HeadlessPlatform::the().press(*rateMe));
    window->Show();
    rateMe->Visible(false);
    EXPECT_FALSE(HeadlessPlatform::the().press(*rateMe));
    EXPECT_TRUE(Window::calls.empty());
}

TEST(EventBinding, TheBindingDoesNotKeepTheWindowAlive) {
    auto window = windowWithControls();
    auto rateMe = fw::RuntimeCheckCast<fw::DesktopButton>(window->ControlByName_("btn_RateMe"));
    std::weak_ptr<Window> weak = window;
    window->Close();
    window.reset();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(rateMe->Window(), nullptr);
}

TEST(EventDelivery, AnEscapingRuntimeExceptionIsReportedAndTheLoopGoesOn) {
    Reports reports;
    auto window = windowWithControls();
    int presses = 0;
    Window::onPressed = [&](Window&) {
        if (++presses == 1)
            throw fw::NilObjectException("no sound");
    };
    HeadlessPlatform::the().setScript([&] {
        testing::internal::CaptureStderr();
        HeadlessPlatform::the().press(button(*window));
        std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_THAT(printed,
                    ::testing::HasSubstr(
                        "unhandled NilObjectException in WinEvents.WinEvents.Button_Pressed: no sound"));
        HeadlessPlatform::the().press(button(*window));
        fw::Quit(0);
    });
    fw::RuntimeRun_();
    EXPECT_EQ(presses, 2);
    EXPECT_THAT(reports.lines, ElementsAre("NilObjectException|WinEvents.WinEvents.Button_Pressed|no sound"));
    EXPECT_EQ(fw::RuntimeExit(), 0) << "a handler's exception during the loop does not fail the run";
}

TEST(EventDelivery, EndExceptionsEndTheHandlerQuietly) {
    Reports reports;
    auto window = windowWithControls();
    Window::onPressed = [](Window&) { throw fw::EndException("stop here"); };
    HeadlessPlatform::the().press(button(*window));
    Window::onPressed = [](Window&) { throw fw::ThreadEndException("stop there"); };
    HeadlessPlatform::the().press(button(*window));
    EXPECT_TRUE(reports.lines.empty());
    EXPECT_EQ(Window::calls.size(), 2u);
}

TEST(EventDelivery, AForeignExceptionIsReportedAndEndsTheApplicationWithOne) {
    Reports reports;
    auto window = windowWithControls();
    Window::onPressed = [](Window&) { throw std::logic_error("broken"); };
    HeadlessPlatform::the().setScript([&] {
        testing::internal::CaptureStderr();
        HeadlessPlatform::the().press(button(*window));
        testing::internal::GetCapturedStderr();
    });
    fw::RuntimeRun_();
    EXPECT_THAT(reports.lines, ElementsAre("std::logic_error|WinEvents.WinEvents.Button_Pressed|broken"));
    EXPECT_EQ(HeadlessPlatform::the().quitCode(), 1);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST(EventDelivery, GoesThroughTheInstalledExceptionHelper) {
    static int helperCalls = 0;
    fw::RuntimeSetExceptionHelper_(+[](void (*function)(void*), void* argument) {
        ++helperCalls;
        return fw::CallFunctionWithExceptionHandling_(function, argument);
    });
    fw::RuntimeRegisterAppObject_(std::make_shared<fw::DesktopApplication>());
    auto window = windowWithControls();
    HeadlessPlatform::the().press(button(*window));
    EXPECT_EQ(helperCalls, 1);
    EXPECT_THAT(Window::calls, ElementsAre("Pressed btn_RateMe"));
}

} // namespace
