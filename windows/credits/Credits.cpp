#include "windows/credits/Credits.h"

#include "media/MediaAccessors.h"
#include "media/Sound.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"
#include "runtime/Runtime.h"
#include "services/Services.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "windows/ControlSequence.h"
#include "windows/StoredControlProperties.h"
#include "windows/WindowClass.h"
#include "windows/WindowLayout.h"
#include "windows/rating/WinMain.h"

#include <cstdint>

namespace {

// Seven lines joined by CRs; the blank lines part the paragraphs.
constexpr const char* kCreditsText =
    "Thank you for using free software from Pellowick\r"
    "\r"
    "If you enjoy this software, please share  it with others. If you would like to see more software like "
    "this, please let us know if you enjoyed it and suggest other topics of interest. \r"
    "\r"
    "Our copyright is only for the implementation of these ideas, not the concepts. Credit for these "
    "concepts go to the original creators. We also take liberty to make enhancements and additions to "
    "increase enjoyment and add variety.\r"
    "\r"
    "If you would like to support the author, contributions of any size are welcome.";

constexpr const char* kFarewell = "I hope you are feeling sexy, if not, better luck next time!";

const fw::StoredProperties kWindowProperties =
    StoredWindowProperties({830, 618, "Credits", true, false, true});

fw::StoredProperties plainButton(const char* caption) {
    return {{"Caption", std::string(caption)},
            {"FontName", std::string("System")},
            {"FontSize", 0.0},
            {"FontUnit", std::int64_t{0}},
            {"Bold", false},
            {"Italic", false},
            {"Underline", false},
            {"Default", false},
            {"Cancel", false},
            {"MacButtonStyle", std::int64_t{0}}};
}

} // namespace

const fw::ClassRecord& Credits::Lookup_() {
    return fw::ClassRegistry::the().define(
        "Credits.Credits", &fw::DesktopWindow::Lookup_(), [](fw::ClassRecord& record) {
            record.create = [] { return std::make_shared<Credits>(); };
            DescribeWindowClass(
                record,
                {
                    {"Layout", "()", fw::method(&Credits::Layout), {}},
                    {"CreateControls", "()", fw::method(&Credits::CreateControls), {}},
                    {"_CreateControls0", "()", fw::method(&Credits::CreateControls0_), {{"Hidden", ""}}},
                    {"lbl_credits", "() As DesktopLabel", fw::method(&Credits::lbl_credits), {}},
                    {"Canvas1", "() As DesktopCanvas", fw::method(&Credits::Canvas1), {}},
                    {"btn_VisitOurWebsite",
                     "() As DesktopButton",
                     fw::method(&Credits::btn_VisitOurWebsite),
                     {}},
                    {"btn_exit", "() As DesktopButton", fw::method(&Credits::btn_exit), {}},
                    {"btn_contactUs", "() As DesktopButton", fw::method(&Credits::btn_contactUs), {}},
                    {"Canvas1_MouseDown",
                     "(DesktopCanvas, Integer, Integer) As Boolean",
                     fw::method(&Credits::Canvas1_MouseDown),
                     {}},
                    {"btn_VisitOurWebsite_Pressed",
                     "(DesktopButton)",
                     fw::method(&Credits::btn_VisitOurWebsite_Pressed),
                     {}},
                    {"btn_exit_Pressed", "(DesktopButton)", fw::method(&Credits::btn_exit_Pressed), {}},
                    {"btn_contactUs_Pressed",
                     "(DesktopButton)",
                     fw::method(&Credits::btn_contactUs_Pressed),
                     {}},
                    {"Event_Opening", "()", fw::method(&Credits::Event_Opening), {}},
                    {"IsEventImplemented",
                     "(String) As Boolean",
                     fw::method(&Credits::IsEventImplemented),
                     {}},
                },
                false);
        });
}

void Credits::Layout() {
    SetWhiteBackground(*this);
    fw::SetProperties_(*this, kWindowProperties);
}

void Credits::CreateControls() {
    CreateControls0_();
}

void Credits::CreateControls0_() {
    using Button = ControlStep<fw::DesktopButton>;
    CreateControl(*this, ControlStep<fw::DesktopLabel>{
                             "lbl_credits", WithTextColor<fw::DesktopLabel>(0x000000),
                             VisibleControlProperties("lbl_credits", {153, 188, 523, 281, 0}, false) +
                                 fw::StoredProperties{{"Text", std::string(kCreditsText)},
                                                      {"Multiline", true},
                                                      {"Selectable", false},
                                                      {"TextAlignment", std::int64_t{2}},
                                                      {"FontName", std::string("verdena")},
                                                      {"FontSize", 16.0},
                                                      {"FontUnit", std::int64_t{0}},
                                                      {"Bold", true},
                                                      {"Italic", true},
                                                      {"Underline", false}},
                             "", ""});
    CreateControl(*this, ControlStep<fw::DesktopCanvas>{
                             "Canvas1", WithBackdrop<fw::DesktopCanvas>(&PellowickUpdatedLogosmall),
                             VisibleControlProperties("Canvas1", {275, 0, 280, 167, 1}, true) +
                                 fw::StoredProperties{
                                     {"AllowFocus", false}, {"AllowTabs", false}, {"AllowFocusRing", true}},
                             "MouseDown", "Canvas1_MouseDown"});
    CreateControl(*this,
                  Button{"btn_VisitOurWebsite",
                         {},
                         VisibleControlProperties("btn_VisitOurWebsite", {275, 512, 134, 20, 2}, false) +
                             plainButton("Visit Our Website"),
                         "Pressed",
                         "btn_VisitOurWebsite_Pressed"});
    CreateControl(*this, Button{"btn_exit",
                                {},
                                VisibleControlProperties("btn_exit", {375, 565, 80, 20, 3}, false) +
                                    plainButton("Exit"),
                                "Pressed",
                                "btn_exit_Pressed"});
    CreateControl(*this, Button{"btn_contactUs",
                                {},
                                VisibleControlProperties("btn_contactUs", {421, 512, 134, 20, 4}, false) +
                                    plainButton("Contact Us Now"),
                                "Pressed",
                                "btn_contactUs_Pressed"});
}

std::shared_ptr<fw::DesktopLabel> Credits::lbl_credits() const {
    return fw::RuntimeCheckCast<fw::DesktopLabel>(ControlByName_("lbl_credits"));
}
std::shared_ptr<fw::DesktopCanvas> Credits::Canvas1() const {
    return fw::RuntimeCheckCast<fw::DesktopCanvas>(ControlByName_("Canvas1"));
}
std::shared_ptr<fw::DesktopButton> Credits::btn_VisitOurWebsite() const {
    return fw::RuntimeCheckCast<fw::DesktopButton>(ControlByName_("btn_VisitOurWebsite"));
}
std::shared_ptr<fw::DesktopButton> Credits::btn_exit() const {
    return fw::RuntimeCheckCast<fw::DesktopButton>(ControlByName_("btn_exit"));
}
std::shared_ptr<fw::DesktopButton> Credits::btn_contactUs() const {
    return fw::RuntimeCheckCast<fw::DesktopButton>(ControlByName_("btn_contactUs"));
}

void Credits::Event_Opening() {
    fw::NotNil(implicit::WinMain())->Hide();
}

// The links read the rating window's addresses at the moment of the click; with no live rating
// window, a hidden one is made, whose opening sets them.
bool Credits::Canvas1_MouseDown(std::shared_ptr<fw::DesktopCanvas>, std::int64_t, std::int64_t) {
    fw::ShowURL(fw::NotNil(implicit::WinMain())->WebsiteURL());
    return false;
}

void Credits::btn_VisitOurWebsite_Pressed(std::shared_ptr<fw::DesktopButton>) {
    fw::ShowURL(fw::NotNil(implicit::WinMain())->WebsiteURL());
}

void Credits::btn_contactUs_Pressed(std::shared_ptr<fw::DesktopButton>) {
    fw::ShowURL(fw::NotNil(implicit::WinMain())->ContactURL());
}

void Credits::btn_exit_Pressed(std::shared_ptr<fw::DesktopButton>) {
    fw::NotNil(nice(), "there is no farewell sound (nice.mp3)")->Play();
    fw::MessageBox(kFarewell);
    fw::Quit(0);
}

bool Credits::IsEventImplemented(const std::string& event) const {
    return fw::RuntimeIsEventHandled_(*this, "Credits", event, true);
}

std::shared_ptr<::Credits> implicit::Credits() {
    return fw::ImplicitInstance<::Credits>();
}
