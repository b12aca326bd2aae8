#pragma once

#include "runtime/Runtime.h"

#include <memory>
#include <span>

namespace fw {
class FolderItem;
class Movie;
class Picture;
class Sound;
} // namespace fw

// The program's media items, each reached through an accessor named after it. A sound or the movie
// is loaded by the accessor's first call only ("<name>.mp3" / "<name>.mp4" in the bundle's
// Resources folder), whatever that call gives; a picture is asked for again on every call until
// one is had, and then held.
#define KELVORY_SOUNDS(X)                                                                                    \
    X(R0)                                                                                                    \
    X(R1) X(R2) X(R3) X(R4) X(R5) X(R6) X(R7) X(R8) X(R9) X(R10) X(R11) X(R12) X(R13) X(R14) X(R15) X(R16)   \
        X(R17) X(R18) X(R19) X(R20) X(R21) X(nice)
#define KELVORY_MOVIES(X) X(PellowickIntroVideo)
#define KELVORY_PICTURES(X) X(guymeditating) X(HotnessMeter1) X(HowHot) X(PellowickUpdatedLogosmall)

#define KELVORY_DECLARE_SOUND(name) std::shared_ptr<fw::Sound> name();
#define KELVORY_DECLARE_MOVIE(name) std::shared_ptr<fw::Movie> name();
#define KELVORY_DECLARE_PICTURE(name) std::shared_ptr<fw::Picture> name();
KELVORY_SOUNDS(KELVORY_DECLARE_SOUND)
KELVORY_MOVIES(KELVORY_DECLARE_MOVIE)
KELVORY_PICTURES(KELVORY_DECLARE_PICTURE)
#undef KELVORY_DECLARE_SOUND
#undef KELVORY_DECLARE_MOVIE
#undef KELVORY_DECLARE_PICTURE

// The bundle's "Resources" folder: beside the folder that holds the executable; nil when absent.
std::shared_ptr<fw::FolderItem> GetApplicationBundleResources_();

// The start-up initialiser entries of the sounds' and the movie's two cells each.
std::span<const fw::InitializerEntry> MediaInitializers();
