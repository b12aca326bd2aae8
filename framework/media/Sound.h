#pragma once

#include "platform/NativeMedia.h"
#include "runtime/Object.h"

#include <filesystem>
#include <memory>

namespace fw {

class Sound : public Object {
public:
    Sound(std::filesystem::path file, std::shared_ptr<platform::NativeSound> native);
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    // Starts the sound and returns at once; a sound still playing starts over.
    void Play();
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    std::shared_ptr<platform::NativeSound> native_;
};

} // namespace fw
