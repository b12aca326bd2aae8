#pragma once

#include "ui/DesktopWindow.h"
#include "windows/WindowTimer.h"

#include <memory>
#include <string>

namespace fw {
class DesktopMoviePlayer;
}

// The intro window: plays the intro movie and, when the movie stops, hands over to the rating
// window. Visible from its construction; it has no title-bar button.
class WinStart : public fw::DesktopWindow {
public:
    using _wrapper_VideoTimer = WindowTimer<"WinStart._wrapper_VideoTimer">;

    static const fw::ClassRecord& Lookup_();
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
    static void ctblinit_() { Lookup_(); }

    void Layout();
    void CreateControls();
    void CreateControls0_();
    std::shared_ptr<fw::DesktopMoviePlayer> MoviePlayer1() const;
    std::shared_ptr<fw::Timer> VideoTimer() const;
    void MoviePlayer1_MovieStopped(std::shared_ptr<fw::DesktopMoviePlayer> player);
    void VideoTimer_Action(std::shared_ptr<fw::Timer> timer);
    void Event_Opening();
    bool IsEventImplemented(const std::string& event) const override;
};

namespace implicit {
// The live intro window, made (and shown) when there is none.
std::shared_ptr<::WinStart> WinStart();
} // namespace implicit
