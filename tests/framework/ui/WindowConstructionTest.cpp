#include "framework/support/ScriptedWindow.h"
#include "headless/HeadlessPlatform.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/KeyNotFoundException.h"
#include "runtime/NilObjectException.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopMenuBar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;
using Window = ScriptedWindow<"WinBuild">;
using Other = ScriptedWindow<"WinOther", false>;

TEST(WindowConstruction, RaisesLayoutThenCreateControlsThenOpening) {
    auto window = Window::Instance();
    EXPECT_THAT(Window::calls, ElementsAre("Layout", "CreateControls", "Opening"));
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("WinBuild.WinBuild"), window);
    EXPECT_THAT(fw::LiveWindows(), ElementsAre(window));
    EXPECT_EQ(HeadlessPlatform::the().windows().size(), 1u);
}

TEST(WindowConstruction, TheImplicitInstanceDuringOpeningIsTheWindowBeingBuilt) {
    std::shared_ptr<Window> seenDuringOpening;
    Window::onOpening = [&](Window&) { seenDuringOpening = Window::Instance(); };
    auto window = Window::Instance();
    EXPECT_EQ(seenDuringOpening, window);
    EXPECT_THAT(Window::calls, ElementsAre("Layout", "CreateControls", "Opening")) << "built once";
    EXPECT_EQ(Window::Instance(), window) << "later references find the live window";
    EXPECT_EQ(fw::LiveWindows().size(), 1u);
}

TEST(WindowConstruction, AnExceptionUnregistersTheWindowAndPassesOn) {
    Window::onCreateControls = [](Window& w) {
        AddControl<fw::DesktopButton>(w, "kept");
        throw fw::NilObjectException("no picture");
    };
    EXPECT_THROW(Window::Instance(), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("WinBuild.WinBuild"), nullptr);
    EXPECT_TRUE(fw::LiveWindows().empty());
    EXPECT_TRUE(HeadlessPlatform::the().windows().empty()) << "native window dropped";
    EXPECT_THAT(Window::calls, ElementsAre("Layout", "CreateControls"));

    // The next reference builds a new window from scratch.
    Window::onCreateControls = nullptr;
    Window::calls.clear();
    auto window = Window::Instance();
    EXPECT_THAT(Window::calls, ElementsAre("Layout", "CreateControls", "Opening"));
    EXPECT_EQ(window->ControlByName_("kept"), nullptr);
}

TEST(WindowConstruction, StoredPropertiesAreShownInOneStep) {
    Window::onLayout = [](Window& w) {
        auto white = w.New_<fw::ColorGroup>();
        white->SetFromUInt64(0xFFFFFF);
        w.BackgroundColor(white);
        fw::SetProperties_(w, {{"Width", std::int64_t{675}},
                               {"Height", std::int64_t{552}},
                               {"MinimumWidth", std::int64_t{64}},
                               {"Type", std::int64_t{0}},
                               {"Title", std::string("Kelvory")},
                               {"HasCloseButton", true},
                               {"HasMaximizeButton", false},
                               {"HasMinimizeButton", false},
                               {"HasFullScreenButton", false},
                               {"Resizeable", false},
                               {"FullScreen", false},
                               {"DefaultLocation", std::int64_t{2}},
                               {"Visible", true},
                               {"HasBackgroundColor", false}});
    };
    auto window = Window::Instance();
    const auto& native = HeadlessPlatform::the().nativeOf(*window);
    EXPECT_EQ(native.updates(), 1);
    EXPECT_EQ(native.state().title, "Kelvory");
    EXPECT_EQ(native.state().width, 675);
    EXPECT_EQ(native.state().height, 552);
    EXPECT_TRUE(native.state().visible) << "a stored Visible true shows the window";
    EXPECT_TRUE(native.state().hasCloseButton);
    EXPECT_FALSE(native.state().resizeable);
    EXPECT_FALSE(window->HasBackgroundColor());
    ASSERT_NE(window->BackgroundColor(), nullptr);
    EXPECT_EQ(window->BackgroundColor()->Red(), 0xFF);
}

TEST(WindowConstruction, AnUnknownStoredPropertyRaisesBeforeAnythingIsShown) {
    Window::onLayout = [](Window& w) {
        fw::SetProperties_(w, {{"Title", std::string("Shown?")}, {"Visible", true}, {"Colour", true}});
    };
    EXPECT_THROW(Window::Instance(), fw::KeyNotFoundException);
    Window::onLayout = [](Window& w) { fw::SetProperties_(w, {{"Width", std::string("wide")}}); };
    EXPECT_THROW(Window::Instance(), fw::InvalidArgumentException);
    EXPECT_TRUE(HeadlessPlatform::the().windows().empty());
}

TEST(Window, ShowHideAndTitleReachTheNativeWindow) {
    auto window = Window::Instance();
    window->Show();
    EXPECT_TRUE(HeadlessPlatform::the().stateOf(*window).visible);
    window->Title("Kelvory 1.0");
    EXPECT_EQ(HeadlessPlatform::the().stateOf(*window).title, "Kelvory 1.0");
    window->Hide();
    EXPECT_FALSE(HeadlessPlatform::the().stateOf(*window).visible);
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(std::get<std::string>(window->property("Title")), "Kelvory 1.0");
}

TEST(Window, TheMenuBarIsHandedToTheNativeWindow) {
    auto bar = std::make_shared<fw::DesktopMenuBar>();
    auto file = std::make_shared<fw::DesktopMenuItem>();
    file->Name("FileMenu");
    file->Text("&File");
    bar->AddMenu(file);
    Window::onLayout = [&](Window& w) { w.MenuBar(bar); };
    auto window = Window::Instance();
    EXPECT_EQ(window->MenuBar(), bar);
    const auto* spec = HeadlessPlatform::the().menuBarOf(*window);
    ASSERT_NE(spec, nullptr);
    ASSERT_EQ(spec->children.size(), 1u);
    EXPECT_EQ(spec->children[0].text, "&File");
    window->MenuBar(nullptr);
    EXPECT_EQ(HeadlessPlatform::the().menuBarOf(*window), nullptr);
}

TEST(Window, IsEventImplementedAnswersForItsOwnClass) {
    auto window = Window::Instance();
    auto other = Other::Instance();
    EXPECT_TRUE(window->IsEventImplemented("Opening"));
    EXPECT_TRUE(window->IsEventImplemented("Closing"));
    EXPECT_TRUE(other->IsEventImplemented("Opening"));
    EXPECT_FALSE(other->IsEventImplemented("Closing"));
    EXPECT_FALSE(window->IsEventImplemented("Paint"));
    EXPECT_FALSE(std::make_shared<fw::DesktopWindow>()->IsEventImplemented("Opening"));
}

TEST(Window, ControlsAreRegisteredByNameAndKnowTheirWindow) {
    auto window = Window::Instance();
    auto button = AddControl<fw::DesktopButton>(*window, "btn_RateMe");
    auto timer = AddControl<fw::Timer>(*window, "Timer1");
    EXPECT_EQ(window->ControlByName_("btn_RateMe"), button);
    EXPECT_EQ(window->ControlByName_("Timer1"), timer);
    EXPECT_EQ(window->ControlByName_("btn_Missing"), nullptr);
    EXPECT_THAT(window->Controls(), ElementsAre(button, timer));
    EXPECT_EQ(button->Window(), window);
    EXPECT_EQ(button->Name(), "btn_RateMe");
    EXPECT_EQ(HeadlessPlatform::the().stateOf(*button).name, "btn_RateMe");
    EXPECT_THROW(window->AddControl_("btn_RateMe", window->New_<fw::DesktopLabel>()),
                 fw::InvalidArgumentException);
    EXPECT_THROW(window->AddControl_("nothing", nullptr), fw::NilObjectException);
    EXPECT_THROW(window->New_(fw::DesktopUIControl::Lookup_()), fw::InvalidArgumentException) << "abstract";
}

TEST(Window, AControlMadeThroughTheWindowIsNotAttachedUntilRegistered) {
    auto window = Window::Instance();
    auto label = window->New_<fw::DesktopLabel>();
    EXPECT_EQ(label->native(), nullptr);
    EXPECT_EQ(label->Window(), nullptr);
    window->AddControl_("lbl", label);
    EXPECT_NE(label->native(), nullptr);
}

} // namespace
