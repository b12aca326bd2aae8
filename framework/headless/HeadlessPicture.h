#pragma once

#include "platform/NativeMedia.h"

#include <filesystem>

namespace fw::headless {

// A picture known by its file and the size its header declares.
class HeadlessPicture : public platform::NativePicture {
public:
    HeadlessPicture(std::filesystem::path file, int width, int height)
        : file_(std::move(file)), width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    int width_;
    int height_;
};

} // namespace fw::headless
