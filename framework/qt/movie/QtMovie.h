#pragma once

#include "platform/NativeMedia.h"

#include <filesystem>

namespace fw::qt {

// A movie file; the player that shows it makes the media pipeline when it plays.
class QtMovie final : public platform::NativeMovie {
public:
    explicit QtMovie(std::filesystem::path file) : file_(std::move(file)) {}
    const std::filesystem::path& file() const override { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace fw::qt
