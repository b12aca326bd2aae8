#include "headless/HeadlessSound.h"

#include <utility>

namespace fw::headless {

HeadlessSound::HeadlessSound(std::shared_ptr<HeadlessWorld> world, std::filesystem::path file)
    : world_(std::move(world)), file_(std::move(file)) {}

void HeadlessSound::play() {
    world_->log.push_back("sound " + file_.filename().string());
}

} // namespace fw::headless
