#include "runtime/MainThread.h"

#include "framework/support/ScriptedWindow.h"
#include "headless/HeadlessPlatform.h"
#include "runtime/ThreadAccessingUIException.h"
#include "services/Services.h"
#include "ui/DesktopMenuItem.h"

#include <exception>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Window = ScriptedWindow<"GuardWindow">;

// Runs `call` on a thread of its own and answers what it raised.
std::exception_ptr offMainThread(const std::function<void()>& call) {
    std::exception_ptr raised;
    std::thread([&] {
        try {
            call();
        } catch (...) {
            raised = std::current_exception();
        }
    }).join();
    return raised;
}

void expectRefused(const std::function<void()>& call) {
    auto raised = offMainThread(call);
    ASSERT_TRUE(raised) << "the call was not refused";
    EXPECT_THROW(std::rethrow_exception(raised), fw::ThreadAccessingUIException);
}

TEST(MainThread, TheTestsOwnThreadIsTheMainOne) {
    EXPECT_TRUE(fw::IsMainThread());
    EXPECT_NO_THROW(fw::RequireMainThread());
    bool elsewhere = true;
    std::thread([&] { elsewhere = fw::IsMainThread(); }).join();
    EXPECT_FALSE(elsewhere);
}

TEST(MainThread, WindowControlAndMenuOperationsAreRefusedElsewhere) {
    Window::onCreateControls = [](Window& w) { AddControl<fw::DesktopButton>(w, "button"); };
    auto window = Window::Instance();
    auto button = fw::RuntimeCheckCast<fw::DesktopButton>(window->ControlByName_("button"));
    auto item = std::make_shared<fw::DesktopMenuItem>();

    expectRefused([&] { window->Show(); });
    expectRefused([&] { window->Title("elsewhere"); });
    expectRefused([&] { fw::SetProperties_(*window, {{"Visible", true}}); });
    expectRefused([&] { button->Enabled(false); });
    expectRefused([&] { button->Caption("elsewhere"); });
    expectRefused([&] { item->Text("&File"); });
    expectRefused([&] { item->AddMenu(std::make_shared<fw::DesktopMenuItem>()); });
    expectRefused([] { fw::ShowURL("https://example.org/"); });
    expectRefused([] { fw::MessageBox("hello"); });
    expectRefused([] { ScriptedWindow<"BuiltElsewhere">::Instance(); });

    // Nothing of it got through.
    EXPECT_FALSE(window->Visible());
    EXPECT_TRUE(button->Enabled());
    EXPECT_TRUE(fw::headless::HeadlessPlatform::the().eventLog().empty());
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("BuiltElsewhere.BuiltElsewhere"), nullptr);
}

} // namespace
