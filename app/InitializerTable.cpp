#include "app/InitializerTable.h"

#include "app/App.h"
#include "app/MainMenuBar.h"
#include "media/MediaAccessors.h"
#include "windows/credits/Credits.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/WinMain.h"

#include <vector>

std::span<const fw::InitializerEntry> ProgramInitializers() {
    static const std::vector<fw::InitializerEntry> table = [] {
        std::vector<fw::InitializerEntry> entries = {
            {"App.__ctblinit", &App::ctblinit_},
            {"WinStart._wrapper_VideoTimer.__ctblinit", &WinStart::_wrapper_VideoTimer::ctblinit_},
            {"WinStart.__ctblinit", &WinStart::ctblinit_},
            {"WinMain._wrapper_Timer1.__ctblinit", &WinMain::_wrapper_Timer1::ctblinit_},
            {"WinMain.__ctblinit", &WinMain::ctblinit_},
            {"Credits.__ctblinit", &Credits::ctblinit_},
            {"MainMenuBar._implicitInstance.__Init", &MainMenuBar::implicitInstanceInit_},
            {"MainMenuBar.__ctblinit", &MainMenuBar::ctblinit_},
        };
        for (const fw::InitializerEntry& entry : MediaInitializers())
            entries.push_back(entry);
        return entries;
    }();
    return table;
}
