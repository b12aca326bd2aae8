#pragma once

#include "media/FolderItem.h"
#include "media/MediaAccessors.h"
#include "runtime/NotNil.h"

#include <memory>
#include <string>

// The two cells of a sound or the movie: one load attempt per run, marked before anything is
// tried, and whatever it gave.
template <class T> struct LoadedOnce {
    using Open = std::shared_ptr<T> (fw::FolderItem::*)() const;

    std::shared_ptr<T> get(const std::string& fileName, Open open) {
        if (!loaded) {
            loaded = true;
            if (auto resources = GetApplicationBundleResources_())
                perma = (fw::NotNil(resources->Child(fileName, true),
                                    fileName + " is not in " + resources->path().string())
                             .get()
                             ->*open)();
        }
        return perma;
    }

    bool loaded = false;
    std::shared_ptr<T> perma;
};
