#pragma once

#include "media/Picture.h"

#include <memory>
#include <string>

// A picture's cell: asked of the framework on every call until it gives one, then held.
struct RetriedUntilHad {
    std::shared_ptr<fw::Picture> get(const std::string& name) {
        if (!pic)
            pic = fw::Picture::OpenFromApp_(name);
        return pic;
    }

    std::shared_ptr<fw::Picture> pic;
};
