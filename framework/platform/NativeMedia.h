#pragma once

#include <filesystem>

namespace fw::platform {

class NativeSound {
public:
    virtual ~NativeSound() = default;
    // Starts playing and returns at once; restarts a sound that is still playing.
    virtual void play() = 0;
};

// A decoded-enough movie: the player control plays it.
class NativeMovie {
public:
    virtual ~NativeMovie() = default;
    virtual const std::filesystem::path& file() const = 0;
};

class NativePicture {
public:
    virtual ~NativePicture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

} // namespace fw::platform
