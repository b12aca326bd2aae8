#pragma once

#include "ui/DesktopWindow.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class DesktopButton;
class DesktopCanvas;
class DesktopLabel;
} // namespace fw

// The credits window: a thank-you text under the maker's logo, the two links, and "Exit", the
// one place where the program ends itself. Built hidden.
class Credits : public fw::DesktopWindow {
public:
    static const fw::ClassRecord& Lookup_();
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
    static void ctblinit_() { Lookup_(); }

    void Layout();
    void CreateControls();
    void CreateControls0_();
    std::shared_ptr<fw::DesktopLabel> lbl_credits() const;
    std::shared_ptr<fw::DesktopCanvas> Canvas1() const;
    std::shared_ptr<fw::DesktopButton> btn_VisitOurWebsite() const;
    std::shared_ptr<fw::DesktopButton> btn_exit() const;
    std::shared_ptr<fw::DesktopButton> btn_contactUs() const;
    bool Canvas1_MouseDown(std::shared_ptr<fw::DesktopCanvas> canvas, std::int64_t x, std::int64_t y);
    void btn_VisitOurWebsite_Pressed(std::shared_ptr<fw::DesktopButton> button);
    void btn_exit_Pressed(std::shared_ptr<fw::DesktopButton> button);
    void btn_contactUs_Pressed(std::shared_ptr<fw::DesktopButton> button);
    void Event_Opening();
    bool IsEventImplemented(const std::string& event) const override;
};

namespace implicit {
// The live credits window, made (hidden) when there is none.
std::shared_ptr<::Credits> Credits();
} // namespace implicit
