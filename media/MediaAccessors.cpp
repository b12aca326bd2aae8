#include "media/MediaAccessors.h"

#include "media/FolderItem.h"
#include "media/LoadedOnce.h"
#include "media/Movie.h"
#include "media/Picture.h"
#include "media/RetriedUntilHad.h"
#include "media/Sound.h"
#include "runtime/NotNil.h"

#include <vector>

std::shared_ptr<fw::FolderItem> GetApplicationBundleResources_() {
    auto executable = fw::NotNil(fw::ExecutableFile());
    auto binFolder = fw::NotNil(executable->Parent());
    auto bundle = fw::NotNil(binFolder->Parent());
    return bundle->Child("Resources", true);
}

// Each item's cells: `<name>_loaded`/`<name>_perma` hold a sound's or the movie's one attempt; a
// picture's cell is local to its accessor.
namespace {
#define KELVORY_SOUND_CELLS(name) LoadedOnce<fw::Sound> name##_cells;
#define KELVORY_MOVIE_CELLS(name) LoadedOnce<fw::Movie> name##_cells;
KELVORY_SOUNDS(KELVORY_SOUND_CELLS)
KELVORY_MOVIES(KELVORY_MOVIE_CELLS)
#undef KELVORY_SOUND_CELLS
#undef KELVORY_MOVIE_CELLS

// The cells keep their zero values until the first call; their initialisers only hold the place.
void leaveStartValue() {}
} // namespace

#define KELVORY_DEFINE_SOUND(name)                                                                           \
    std::shared_ptr<fw::Sound> name() {                                                                      \
        return name##_cells.get(#name ".mp3", &fw::FolderItem::OpenAsSound);                                 \
    }
#define KELVORY_DEFINE_MOVIE(name)                                                                           \
    std::shared_ptr<fw::Movie> name() {                                                                      \
        return name##_cells.get(#name ".mp4", &fw::FolderItem::OpenAsMovie);                                 \
    }
#define KELVORY_DEFINE_PICTURE(name)                                                                         \
    std::shared_ptr<fw::Picture> name() {                                                                    \
        static RetriedUntilHad cell;                                                                         \
        return cell.get(#name);                                                                              \
    }
KELVORY_SOUNDS(KELVORY_DEFINE_SOUND)
KELVORY_MOVIES(KELVORY_DEFINE_MOVIE)
KELVORY_PICTURES(KELVORY_DEFINE_PICTURE)
#undef KELVORY_DEFINE_SOUND
#undef KELVORY_DEFINE_MOVIE
#undef KELVORY_DEFINE_PICTURE

std::span<const fw::InitializerEntry> MediaInitializers() {
#define KELVORY_SOUND_ENTRIES(name)                                                                          \
    {#name ".loaded.__Init", &leaveStartValue}, {#name ".permaSound.__Init", &leaveStartValue},
#define KELVORY_MOVIE_ENTRIES(name)                                                                          \
    {#name ".loaded.__Init", &leaveStartValue}, {#name ".permaMovie.__Init", &leaveStartValue},
    static const std::vector<fw::InitializerEntry> entries = {KELVORY_SOUNDS(KELVORY_SOUND_ENTRIES)
                                                                  KELVORY_MOVIES(KELVORY_MOVIE_ENTRIES)};
#undef KELVORY_SOUND_ENTRIES
#undef KELVORY_MOVIE_ENTRIES
    return entries;
}
