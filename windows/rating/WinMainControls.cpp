#include "media/MediaAccessors.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "windows/ControlSequence.h"
#include "windows/StoredControlProperties.h"
#include "windows/rating/WinMain.h"

#include <cstdint>
#include <string>

namespace {

fw::StoredProperties buttonFont(double size) {
    return {{"MacButtonStyle", std::int64_t{0}},
            {"Default", false},
            {"Cancel", false},
            {"FontName", std::string("System")},
            {"FontSize", size},
            {"FontUnit", std::int64_t{0}},
            {"Italic", false},
            {"Underline", false},
            {"Bold", true}};
}

fw::StoredProperties labelText(const std::string& text, const std::string& font, double size, bool italic,
                               std::int64_t alignment, bool multiline) {
    return {{"Text", text},
            {"TextAlignment", alignment},
            {"Multiline", multiline},
            {"Selectable", false},
            {"FontName", font},
            {"FontSize", size},
            {"FontUnit", std::int64_t{0}},
            {"Underline", false},
            {"Bold", true},
            {"Italic", italic}};
}

const fw::StoredProperties kCanvas = {{"AllowFocus", false}, {"AllowTabs", false}, {"AllowFocusRing", true}};

constexpr std::int64_t kCentred = 2;

} // namespace

void WinMain::CreateControls0_() {
    using Button = ControlStep<fw::DesktopButton>;
    using Label = ControlStep<fw::DesktopLabel>;
    using Canvas = ControlStep<fw::DesktopCanvas>;

    CreateControl(*this,
                  Button{"btn_RateMe",
                         {},
                         VisibleControlProperties("btn_RateMe", {268, 374, 110, 43, 0}, false) +
                             fw::StoredProperties{{"Caption", std::string("Rate Me")}} + buttonFont(16.0),
                         "Pressed",
                         "btn_RateMe_Pressed"});
    CreateControl(*this,
                  Label{"lbl_description", WithTextColor<fw::DesktopLabel>(0x000000),
                        VisibleControlProperties("lbl_description", {83, 0, 468, 62, 1}, false) +
                            labelText("Let me rate your sex appeal. Click the \"Rate Me\" button below.",
                                      "System", 20.0, true, kCentred, true),
                        "", ""});
    CreateControl(*this, Label{"lbl_result", WithTextColor<fw::DesktopLabel>(0x0E00F7),
                               VisibleControlProperties("lbl_result", {17, 329, 616, 33, 2}, false) +
                                   labelText(" ", "System", 20.0, false, kCentred, false),
                               "", ""});
    CreateControl(*this, Canvas{"Canvas1", WithBackdrop<fw::DesktopCanvas>(&guymeditating),
                                VisibleControlProperties("Canvas1", {233, 108, 175, 200, 3}, true) + kCanvas,
                                "", ""});
    CreateControl(*this, Label{"lbl_Copyright", WithTextColor<fw::DesktopLabel>(0x000ED9),
                               VisibleControlProperties("lbl_Copyright", {17, 485, 434, 20, 4}, false) +
                                   labelText("Copyright Pellowick", "System", 16.0, false, 0, false),
                               "MouseDown", "lbl_Copyright_MouseDown"});
    CreateControl(*this, Button{"btn_visitWebsite",
                                {},
                                VisibleControlProperties("btn_visitWebsite", {520, 485, 106, 20, 5}, false) +
                                    fw::StoredProperties{{"Caption", std::string("Visit Website")}} +
                                    buttonFont(0.0),
                                "Pressed",
                                "btn_visitWebsite_Pressed"});
    CreateControl(*this, Button{"btn_quit",
                                {},
                                VisibleControlProperties("btn_quit", {283, 422, 80, 32, 6}, false) +
                                    fw::StoredProperties{{"Caption", std::string("Quit")}} + buttonFont(16.0),
                                "Pressed",
                                "btn_quit_Pressed"});
    CreateControl(*this, Canvas{"Canvas2", WithBackdrop<fw::DesktopCanvas>(&HotnessMeter1),
                                VisibleControlProperties("Canvas2", {58, 142, 100, 100, 7}, true) + kCanvas,
                                "", ""});
    CreateControl(*this, Label{"lbl_hotnessnmeter", WithTextColor<fw::DesktopLabel>(0x000000),
                               VisibleControlProperties("lbl_hotnessnmeter", {41, 92, 130, 49, 8}, false) +
                                   labelText("Hotness Meter", "Apple Chancery", 20.0, false, kCentred, false),
                               "", ""});
    CreateControl(*this, Canvas{"Canvas3", WithBackdrop<fw::DesktopCanvas>(&HowHot),
                                VisibleControlProperties("Canvas3", {447, 108, 150, 150, 9}, true) + kCanvas,
                                "", ""});
    CreateControl(*this,
                  ControlStep<_wrapper_Timer1, fw::Timer>{
                      "Timer1",
                      {},
                      {{"RunMode", std::int64_t{2}}, {"Period", std::int64_t{4500}}, {"Enabled", true}},
                      "Action",
                      "Timer1_Action"});
}
