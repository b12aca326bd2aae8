#include "windows/rating/WinMain.h"

#include "app/MainMenuBar.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/Runtime.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "windows/WindowClass.h"
#include "windows/WindowLayout.h"

#include <cstdint>

namespace {

// Never shown: the window's opening replaces it before the window is first visible.
constexpr const char* kFirstCopyright = "Copyright Pellowick";

const fw::StoredProperties kWindowProperties =
    StoredWindowProperties({675, 552, "Kelvory", true, false, false});

} // namespace

const fw::ClassRecord& WinMain::Lookup_() {
    return fw::ClassRegistry::the().define(
        "WinMain.WinMain", &fw::DesktopWindow::Lookup_(), [](fw::ClassRecord& record) {
            record.create = [] {
                auto window = std::make_shared<WinMain>();
                window->Init_();
                return window;
            };
            DescribeWindowClass(
                record,
                {
                    {"Layout", "()", fw::method(&WinMain::Layout), {}},
                    {"CreateControls", "()", fw::method(&WinMain::CreateControls), {}},
                    {"_CreateControls0", "()", fw::method(&WinMain::CreateControls0_), {{"Hidden", ""}}},
                    {"btn_RateMe", "() As DesktopButton", fw::method(&WinMain::btn_RateMe), {}},
                    {"lbl_description", "() As DesktopLabel", fw::method(&WinMain::lbl_description), {}},
                    {"lbl_result", "() As DesktopLabel", fw::method(&WinMain::lbl_result), {}},
                    {"Canvas1", "() As DesktopCanvas", fw::method(&WinMain::Canvas1), {}},
                    {"lbl_Copyright", "() As DesktopLabel", fw::method(&WinMain::lbl_Copyright), {}},
                    {"btn_visitWebsite", "() As DesktopButton", fw::method(&WinMain::btn_visitWebsite), {}},
                    {"btn_quit", "() As DesktopButton", fw::method(&WinMain::btn_quit), {}},
                    {"Canvas2", "() As DesktopCanvas", fw::method(&WinMain::Canvas2), {}},
                    {"lbl_hotnessnmeter", "() As DesktopLabel", fw::method(&WinMain::lbl_hotnessnmeter), {}},
                    {"Canvas3", "() As DesktopCanvas", fw::method(&WinMain::Canvas3), {}},
                    {"Timer1", "() As Timer", fw::method(&WinMain::Timer1), {}},
                    {"btn_RateMe_Pressed", "(DesktopButton)", fw::method(&WinMain::btn_RateMe_Pressed), {}},
                    {"lbl_Copyright_MouseDown",
                     "(DesktopLabel, Integer, Integer) As Boolean",
                     fw::method(&WinMain::lbl_Copyright_MouseDown),
                     {}},
                    {"btn_visitWebsite_Pressed",
                     "(DesktopButton)",
                     fw::method(&WinMain::btn_visitWebsite_Pressed),
                     {}},
                    {"btn_quit_Pressed", "(DesktopButton)", fw::method(&WinMain::btn_quit_Pressed), {}},
                    {"Timer1_Action", "(Timer)", fw::method(&WinMain::Timer1_Action), {}},
                    {"EditMenu", "() As DesktopMenuItem", fw::method(&WinMain::EditMenu), {}},
                    {"EditSelectAll", "() As DesktopMenuItem", fw::method(&WinMain::EditSelectAll), {}},
                    {"EditSeparator2", "() As DesktopMenuItem", fw::method(&WinMain::EditSeparator2), {}},
                    {"EditClear", "() As DesktopMenuItem", fw::method(&WinMain::EditClear), {}},
                    {"EditPaste", "() As DesktopMenuItem", fw::method(&WinMain::EditPaste), {}},
                    {"EditCopy", "() As DesktopMenuItem", fw::method(&WinMain::EditCopy), {}},
                    {"EditCut", "() As DesktopMenuItem", fw::method(&WinMain::EditCut), {}},
                    {"EditSeparator1", "() As DesktopMenuItem", fw::method(&WinMain::EditSeparator1), {}},
                    {"EditUndo", "() As DesktopMenuItem", fw::method(&WinMain::EditUndo), {}},
                    {"FileMenu", "() As DesktopMenuItem", fw::method(&WinMain::FileMenu), {}},
                    {"FileQuit", "() As DesktopMenuItem", fw::method(&WinMain::FileQuit), {}},
                    {"Event_Closing", "()", fw::method(&WinMain::Event_Closing), {}},
                    {"Event_Opening", "()", fw::method(&WinMain::Event_Opening), {}},
                    {"IsEventImplemented",
                     "(String) As Boolean",
                     fw::method(&WinMain::IsEventImplemented),
                     {}},
                    {"ReadPersonality", "()", fw::method(&WinMain::ReadPersonality), {}},
                    {"QuitApp", "()", fw::method(&WinMain::QuitApp), {}},
                },
                true);
            // The overloaded getters and setters are picked by the adapter's signature.
            using S = const std::string& (WinMain::*)() const;
            using SetS = void (WinMain::*)(std::string);
            record.properties = {
                fw::DescribeProperty("Copyright", "String", S(&WinMain::Copyright),
                                     SetS(&WinMain::Copyright)),
                fw::DescribeProperty("AppName", "String", S(&WinMain::AppName), SetS(&WinMain::AppName)),
                fw::DescribeProperty("WebsiteURL", "String", S(&WinMain::WebsiteURL),
                                     SetS(&WinMain::WebsiteURL)),
                fw::DescribeProperty("ContactURL", "String", S(&WinMain::ContactURL),
                                     SetS(&WinMain::ContactURL)),
                fw::DescribeProperty("SoundPlayingDelay", "Boolean", &WinMain::SoundPlayingDelay,
                                     static_cast<void (WinMain::*)(bool)>(&WinMain::SoundPlayingDelay)),
            };
        });
}

void WinMain::Init_() {
    Copyright_ = kFirstCopyright;
    AppName_ = "App Name Here";
    SoundPlayingDelay_ = false;
}

void WinMain::Layout() {
    SetWhiteBackground(*this);
    MenuBar(implicit::MainMenuBar());
    fw::SetProperties_(*this, kWindowProperties);
}

void WinMain::CreateControls() {
    CreateControls0_();
}

bool WinMain::IsEventImplemented(const std::string& event) const {
    return fw::RuntimeIsEventHandled_(*this, "WinMain", event, true);
}

std::shared_ptr<fw::DesktopButton> WinMain::btn_RateMe() const {
    return fw::RuntimeCheckCast<fw::DesktopButton>(ControlByName_("btn_RateMe"));
}
std::shared_ptr<fw::DesktopLabel> WinMain::lbl_description() const {
    return fw::RuntimeCheckCast<fw::DesktopLabel>(ControlByName_("lbl_description"));
}
std::shared_ptr<fw::DesktopLabel> WinMain::lbl_result() const {
    return fw::RuntimeCheckCast<fw::DesktopLabel>(ControlByName_("lbl_result"));
}
std::shared_ptr<fw::DesktopCanvas> WinMain::Canvas1() const {
    return fw::RuntimeCheckCast<fw::DesktopCanvas>(ControlByName_("Canvas1"));
}
std::shared_ptr<fw::DesktopLabel> WinMain::lbl_Copyright() const {
    return fw::RuntimeCheckCast<fw::DesktopLabel>(ControlByName_("lbl_Copyright"));
}
std::shared_ptr<fw::DesktopButton> WinMain::btn_visitWebsite() const {
    return fw::RuntimeCheckCast<fw::DesktopButton>(ControlByName_("btn_visitWebsite"));
}
std::shared_ptr<fw::DesktopButton> WinMain::btn_quit() const {
    return fw::RuntimeCheckCast<fw::DesktopButton>(ControlByName_("btn_quit"));
}
std::shared_ptr<fw::DesktopCanvas> WinMain::Canvas2() const {
    return fw::RuntimeCheckCast<fw::DesktopCanvas>(ControlByName_("Canvas2"));
}
std::shared_ptr<fw::DesktopLabel> WinMain::lbl_hotnessnmeter() const {
    return fw::RuntimeCheckCast<fw::DesktopLabel>(ControlByName_("lbl_hotnessnmeter"));
}
std::shared_ptr<fw::DesktopCanvas> WinMain::Canvas3() const {
    return fw::RuntimeCheckCast<fw::DesktopCanvas>(ControlByName_("Canvas3"));
}
std::shared_ptr<fw::Timer> WinMain::Timer1() const {
    return fw::RuntimeCheckCast<fw::Timer>(ControlByName_("Timer1"));
}

// The menu items are looked up afresh in whatever menu bar the window has.
std::shared_ptr<fw::DesktopMenuItem> WinMain::menuItem(const std::string& name) const {
    return fw::RuntimeCheckCast<fw::DesktopMenuItem>(fw::NotNil(MenuBar())->Lookup_(name));
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditMenu() const {
    return menuItem("EditMenu");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditSelectAll() const {
    return menuItem("EditSelectAll");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditSeparator2() const {
    return menuItem("EditSeparator2");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditClear() const {
    return menuItem("EditClear");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditPaste() const {
    return menuItem("EditPaste");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditCopy() const {
    return menuItem("EditCopy");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditCut() const {
    return menuItem("EditCut");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditSeparator1() const {
    return menuItem("EditSeparator1");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::EditUndo() const {
    return menuItem("EditUndo");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::FileMenu() const {
    return menuItem("FileMenu");
}
std::shared_ptr<fw::DesktopMenuItem> WinMain::FileQuit() const {
    return menuItem("FileQuit");
}

std::shared_ptr<::WinMain> implicit::WinMain() {
    return fw::ImplicitInstance<::WinMain>();
}
