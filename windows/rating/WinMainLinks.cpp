#include "runtime/NotNil.h"
#include "services/Services.h"
#include "ui/DesktopLabel.h"
#include "windows/credits/Credits.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/WinMain.h"

namespace {
constexpr const char* kWebsiteURL = "https://www.pellowick.com/freeforfun";
constexpr const char* kContactURL = "https://www.pellowick.com/write-us-now";
constexpr const char* kCopyright = "Copyright \u00a9 2021 Pellowick. All rights reserved.";
} // namespace

// The window reaches itself through its implicit instance, which during its own opening is this
// very window.
void WinMain::Event_Opening() {
    fw::NotNil(implicit::WinMain())->AppName("Kelvory 1.0");
    fw::NotNil(implicit::WinMain())->Copyright(kCopyright);
    fw::NotNil(implicit::WinMain())->ContactURL(kContactURL);
    fw::NotNil(implicit::WinMain())->WebsiteURL(kWebsiteURL);
    fw::NotNil(fw::NotNil(implicit::WinMain())->lbl_Copyright())->Text(Copyright());
    fw::NotNil(implicit::WinMain())->Title(AppName());
    fw::NotNil(implicit::WinStart())->Hide();
}

void WinMain::btn_visitWebsite_Pressed(std::shared_ptr<fw::DesktopButton>) {
    fw::ShowURL(kWebsiteURL);
}

// Answers false; should ShowURL raise, the framework takes the handler's answer as false as well.
bool WinMain::lbl_Copyright_MouseDown(std::shared_ptr<fw::DesktopLabel>, std::int64_t, std::int64_t) {
    fw::ShowURL(kWebsiteURL);
    return false;
}

void WinMain::btn_quit_Pressed(std::shared_ptr<fw::DesktopButton>) {
    QuitApp();
}

void WinMain::Event_Closing() {
    QuitApp();
}

// Leaves the rating window for the credits window; closes nothing and ends nothing.
void WinMain::QuitApp() {
    fw::NotNil(implicit::WinStart())->Visible(false);
    fw::NotNil(implicit::WinMain())->Visible(false);
    fw::NotNil(implicit::Credits())->Visible(true);
}
