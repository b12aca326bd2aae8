#pragma once

#include "platform/NativeMedia.h"

#include <filesystem>

namespace fw::headless {

class HeadlessMovie : public platform::NativeMovie {
public:
    explicit HeadlessMovie(std::filesystem::path file) : file_(std::move(file)) {}
    const std::filesystem::path& file() const override { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace fw::headless
