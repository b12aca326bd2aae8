#include "framework/support/Reports.h"
#include "framework/support/ScriptedWindow.h"
#include "headless/HeadlessPlatform.h"
#include "runtime/NilObjectException.h"
#include "runtime/Runtime.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopMenuBar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;
using Main = ScriptedWindow<"WinMainLike">;
using Credits = ScriptedWindow<"CreditsLike", false>;

// A window shown by its stored properties.
template <class W> std::shared_ptr<W> shownWindow() {
    W::onLayout = [](W& w) { fw::SetProperties_(w, WindowProperties(true)); };
    return W::Instance();
}

TEST(CloseBox, RaisesClosingThenTheWindowIsNoLongerLive) {
    auto credits = shownWindow<Credits>();
    auto window = shownWindow<Main>();
    bool liveDuringClosing = false;
    Main::onClosing = [&](Main&) {
        liveDuringClosing = fw::GetImplicitDesktopWindow_("WinMainLike.WinMainLike") != nullptr;
    };

    ASSERT_TRUE(HeadlessPlatform::the().closeBox(*window));

    EXPECT_THAT(Main::calls, ElementsAre("Layout", "CreateControls", "Opening", "Closing"));
    EXPECT_TRUE(liveDuringClosing);
    EXPECT_TRUE(window->IsClosed());
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("WinMainLike.WinMainLike"), nullptr);
    EXPECT_THROW(window->native(), fw::NilObjectException);
    EXPECT_EQ(HeadlessPlatform::the().windows().size(), 1u) << "only the credits window is left";
    EXPECT_FALSE(HeadlessPlatform::the().quitCode()) << "a visible window remains";

    // The next reference makes a new window that opens again.
    Main::calls.clear();
    auto again = Main::Instance();
    EXPECT_NE(again, window);
    EXPECT_THAT(Main::calls, ElementsAre("Layout", "CreateControls", "Opening"));
}

TEST(CloseBox, IsNotThereOnAWindowWithoutOneOrHidden) {
    Main::onLayout = [](Main& w) { fw::SetProperties_(w, {{"HasCloseButton", false}, {"Visible", true}}); };
    auto noBox = Main::Instance();
    EXPECT_FALSE(HeadlessPlatform::the().closeBox(*noBox));
    auto hidden = Credits::Instance();
    EXPECT_FALSE(HeadlessPlatform::the().closeBox(*hidden));
    EXPECT_FALSE(noBox->IsClosed());
    EXPECT_FALSE(hidden->IsClosed());
}

TEST(CloseBox, ClosingTheLastVisibleWindowEndsTheApplication) {
    auto hidden = Credits::Instance(); // live but hidden: nowhere to come back from
    auto window = shownWindow<Main>();
    HeadlessPlatform::the().closeBox(*window);
    EXPECT_EQ(HeadlessPlatform::the().quitCode(), 0);
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_FALSE(hidden->IsClosed()) << "ending the application closes nothing";
}

TEST(CloseBox, AClosingHandlerThatShowsAnotherWindowKeepsTheApplication) {
    auto window = shownWindow<Main>();
    auto credits = Credits::Instance();
    Main::onClosing = [&](Main& w) {
        w.Hide();
        credits->Show();
    };
    HeadlessPlatform::the().closeBox(*window);
    EXPECT_FALSE(HeadlessPlatform::the().quitCode());
    EXPECT_TRUE(HeadlessPlatform::the().stateOf(*credits).visible);
}

TEST(CloseBox, AnExceptionInClosingIsReportedAndTheWindowStillCloses) {
    Reports reports;
    auto credits = shownWindow<Credits>();
    auto window = shownWindow<Main>();
    Main::onClosing = [](Main&) { throw fw::NilObjectException("credits gone"); };
    testing::internal::CaptureStderr();
    HeadlessPlatform::the().closeBox(*window);
    testing::internal::GetCapturedStderr();
    EXPECT_THAT(reports.lines,
                ElementsAre("NilObjectException|WinMainLike.WinMainLike.Event_Closing|credits gone"));
    EXPECT_TRUE(window->IsClosed());
}

TEST(Close, FromProgramCodeRaisesClosingOnceAndStopsTheWindowsTimers) {
    auto credits = shownWindow<Credits>();
    auto window = shownWindow<Main>();
    auto timer = AddControl<fw::Timer>(*window, "Timer1", {{"Period", std::int64_t{100}}});
    int closings = 0;
    Main::onClosing = [&](Main& w) {
        ++closings;
        w.Close(); // closing already: nothing more
    };
    window->Close();
    window->Close();
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(HeadlessPlatform::the().activeTimers(), 0u);
    HeadlessPlatform::the().advance(1000);
    EXPECT_THAT(Main::calls, ::testing::Not(::testing::Contains("Action")));
}

TEST(FileQuit, EndsTheApplicationWithZeroWithoutClosing) {
    auto bar = std::make_shared<fw::DesktopMenuBar>();
    auto file = std::make_shared<fw::DesktopMenuItem>();
    file->Name("FileMenu");
    auto quit = std::make_shared<fw::DesktopMenuItem>();
    quit->Name("FileQuit");
    quit->Text("&Quit");
    quit->Shortcut("Cmd+Q");
    bar->AddMenu(file);
    file->AddMenu(quit);
    auto app = std::make_shared<fw::DesktopApplication>();
    app->MenuBar(bar);
    fw::RuntimeRegisterAppObject_(app);
    fw::RunFrameworkInitialization_(nullptr);
    auto window = shownWindow<Main>();

    EXPECT_FALSE(HeadlessPlatform::the().chooseMenu("FileQuit")) << "no menu bar to choose it from";
    EXPECT_FALSE(HeadlessPlatform::the().pressShortcut(*window, "Cmd+W"));
    ASSERT_TRUE(HeadlessPlatform::the().pressShortcut(*window, "Cmd+Q"));

    EXPECT_EQ(HeadlessPlatform::the().quitCode(), 0);
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_THAT(Main::calls, ::testing::Not(::testing::Contains("Closing")));
    EXPECT_FALSE(window->IsClosed());
}

TEST(FileQuit, OtherMenuItemsDoNothingInTheCore) {
    auto bar = std::make_shared<fw::DesktopMenuBar>();
    auto edit = std::make_shared<fw::DesktopMenuItem>();
    edit->Name("EditMenu");
    auto copy = std::make_shared<fw::DesktopMenuItem>();
    copy->Name("EditCopy");
    bar->AddMenu(edit);
    edit->AddMenu(copy);
    fw::RunFrameworkInitialization_(nullptr); // no application object: the framework still answers
    Main::onLayout = [&](Main& w) {
        w.MenuBar(bar);
        fw::SetProperties_(w, WindowProperties(true));
    };
    Main::Instance();
    EXPECT_TRUE(HeadlessPlatform::the().chooseMenu("EditCopy"));
    EXPECT_FALSE(HeadlessPlatform::the().quitCode());
}

} // namespace
