#pragma once

#include "ui/DesktopWindow.h"
#include "windows/WindowTimer.h"

#include <memory>
#include <string>

namespace fw {
class DesktopButton;
class DesktopCanvas;
class DesktopLabel;
class DesktopMenuItem;
} // namespace fw

// The rating window: "Rate Me" shows one of 22 verdicts with its sound; the button comes back at
// the next tick of Timer1. Created hidden; the intro window shows it.
class WinMain : public fw::DesktopWindow {
public:
    using _wrapper_Timer1 = WindowTimer<"WinMain._wrapper_Timer1">;

    static const fw::ClassRecord& Lookup_();
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
    static void ctblinit_() { Lookup_(); }
    void Init_();

    void Layout();
    void CreateControls();
    void CreateControls0_();

    std::shared_ptr<fw::DesktopButton> btn_RateMe() const;
    std::shared_ptr<fw::DesktopLabel> lbl_description() const;
    std::shared_ptr<fw::DesktopLabel> lbl_result() const;
    std::shared_ptr<fw::DesktopCanvas> Canvas1() const;
    std::shared_ptr<fw::DesktopLabel> lbl_Copyright() const;
    std::shared_ptr<fw::DesktopButton> btn_visitWebsite() const;
    std::shared_ptr<fw::DesktopButton> btn_quit() const;
    std::shared_ptr<fw::DesktopCanvas> Canvas2() const;
    std::shared_ptr<fw::DesktopLabel> lbl_hotnessnmeter() const;
    std::shared_ptr<fw::DesktopCanvas> Canvas3() const;
    std::shared_ptr<fw::Timer> Timer1() const;

    void btn_RateMe_Pressed(std::shared_ptr<fw::DesktopButton> button);
    bool lbl_Copyright_MouseDown(std::shared_ptr<fw::DesktopLabel> label, std::int64_t x, std::int64_t y);
    void btn_visitWebsite_Pressed(std::shared_ptr<fw::DesktopButton> button);
    void btn_quit_Pressed(std::shared_ptr<fw::DesktopButton> button);
    void Timer1_Action(std::shared_ptr<fw::Timer> timer);

    std::shared_ptr<fw::DesktopMenuItem> EditMenu() const;
    std::shared_ptr<fw::DesktopMenuItem> EditSelectAll() const;
    std::shared_ptr<fw::DesktopMenuItem> EditSeparator2() const;
    std::shared_ptr<fw::DesktopMenuItem> EditClear() const;
    std::shared_ptr<fw::DesktopMenuItem> EditPaste() const;
    std::shared_ptr<fw::DesktopMenuItem> EditCopy() const;
    std::shared_ptr<fw::DesktopMenuItem> EditCut() const;
    std::shared_ptr<fw::DesktopMenuItem> EditSeparator1() const;
    std::shared_ptr<fw::DesktopMenuItem> EditUndo() const;
    std::shared_ptr<fw::DesktopMenuItem> FileMenu() const;
    std::shared_ptr<fw::DesktopMenuItem> FileQuit() const;

    void Event_Closing();
    void Event_Opening();
    bool IsEventImplemented(const std::string& event) const override;
    void ReadPersonality();
    void QuitApp();

    const std::string& Copyright() const { return Copyright_; }
    void Copyright(std::string value) { Copyright_ = std::move(value); }
    const std::string& AppName() const { return AppName_; }
    void AppName(std::string value) { AppName_ = std::move(value); }
    const std::string& WebsiteURL() const { return WebsiteURL_; }
    void WebsiteURL(std::string value) { WebsiteURL_ = std::move(value); }
    const std::string& ContactURL() const { return ContactURL_; }
    void ContactURL(std::string value) { ContactURL_ = std::move(value); }
    bool SoundPlayingDelay() const { return SoundPlayingDelay_; }
    void SoundPlayingDelay(bool value) { SoundPlayingDelay_ = value; }

private:
    std::shared_ptr<fw::DesktopMenuItem> menuItem(const std::string& name) const;

    std::string Copyright_;
    std::string AppName_;
    std::string WebsiteURL_;
    std::string ContactURL_;
    bool SoundPlayingDelay_ = false;
};

namespace implicit {
// The live rating window, made (hidden) when there is none.
std::shared_ptr<::WinMain> WinMain();
} // namespace implicit
