#include "media/FolderItem.h"
#include "media/Movie.h"
#include "media/Picture.h"
#include "media/Sound.h"
#include "runtime/Runtime.h"
#include "runtime/RuntimeState.h"
#include "runtime/WeakRef.h"
#include "services/Random.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "ui/DesktopMenuBar.h"
#include "ui/DesktopMoviePlayer.h"
#include "ui/DesktopWindow.h"
#include "ui/EventDelivery.h"
#include "ui/Timer.h"

#include <array>

namespace fw {

namespace {

template <class T> void buildRecord() {
    T::Lookup_();
}

// The framework's hold on windows and the application object ends before the process's static
// objects (the backend among them) go away.
void registerTeardown() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RuntimeRegisterFinalizer([] {
        DiscardLiveWindows_();
        ReleaseApplication_();
    });
}

} // namespace

std::span<const InitializerEntry> FrameworkInitializers_() {
    static constexpr std::array<InitializerEntry, 19> entries = {{
        {"Object.__ctblinit", &buildRecord<Object>},
        {"WeakRef.__ctblinit", &buildRecord<WeakRef>},
        {"ColorGroup.__ctblinit", &buildRecord<ColorGroup>},
        {"DesktopApplication.__ctblinit", &buildRecord<DesktopApplication>},
        {"DesktopWindow.__ctblinit", &buildRecord<DesktopWindow>},
        {"DesktopUIControl.__ctblinit", &buildRecord<DesktopUIControl>},
        {"DesktopButton.__ctblinit", &buildRecord<DesktopButton>},
        {"DesktopLabel.__ctblinit", &buildRecord<DesktopLabel>},
        {"DesktopCanvas.__ctblinit", &buildRecord<DesktopCanvas>},
        {"DesktopMoviePlayer.__ctblinit", &buildRecord<DesktopMoviePlayer>},
        {"Timer.__ctblinit", &buildRecord<Timer>},
        {"DesktopMenuItem.__ctblinit", &buildRecord<DesktopMenuItem>},
        {"DesktopMenuBar.__ctblinit", &buildRecord<DesktopMenuBar>},
        {"FolderItem.__ctblinit", &buildRecord<FolderItem>},
        {"Sound.__ctblinit", &buildRecord<Sound>},
        {"Movie.__ctblinit", &buildRecord<Movie>},
        {"Picture.__ctblinit", &buildRecord<Picture>},
        {"Random.__ctblinit", &buildRecord<Random>},
        {"framework.__teardown", &registerTeardown},
    }};
    return entries;
}

} // namespace fw
