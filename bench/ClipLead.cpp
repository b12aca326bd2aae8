#include "bench/ClipLead.h"

#include "qt/sound/SoundDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace bench {

double ClipLead::milliseconds(const std::filesystem::path& file, int threshold) {
    const auto decoded = fw::qt::SoundDecoder::decode(file);
    const auto* pcm = std::get_if<fw::qt::Pcm>(&decoded);
    if (!pcm)
        throw std::runtime_error("cannot decode " + file.string() + ": " + std::get<std::string>(decoded));
    const auto loud = std::find_if(pcm->samples.begin(), pcm->samples.end(),
                                   [threshold](std::int16_t sample) { return std::abs(sample) > threshold; });
    if (loud == pcm->samples.end())
        throw std::runtime_error(file.string() + " never reaches the threshold");
    const auto frame =
        static_cast<std::size_t>(loud - pcm->samples.begin()) / static_cast<std::size_t>(pcm->channels);
    return 1000.0 * static_cast<double>(frame) / fw::qt::SoundDecoder::kRate;
}

} // namespace bench
