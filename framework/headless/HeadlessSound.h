#pragma once

#include "headless/HeadlessWorld.h"
#include "platform/NativeMedia.h"

#include <filesystem>
#include <memory>

namespace fw::headless {

// A sound whose playing is recorded as "sound <file name>".
class HeadlessSound : public platform::NativeSound {
public:
    HeadlessSound(std::shared_ptr<HeadlessWorld> world, std::filesystem::path file);
    void play() override;
    const std::filesystem::path& file() const { return file_; }

private:
    std::shared_ptr<HeadlessWorld> world_;
    std::filesystem::path file_;
};

} // namespace fw::headless
