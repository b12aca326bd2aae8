#include "qt/sound/SoundDecoder.h"

#include "qt/sound/WavReader.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <mpg123.h>
#include <mutex>
#include <sstream>

namespace fw::qt {

namespace {

using Decoded = std::variant<Pcm, std::string>;

// Linear interpolation is plenty for short spoken effects, and cheap.
Pcm toMixerRate(std::vector<std::int16_t> samples, int channels, long rate) {
    Pcm pcm{std::move(samples), channels};
    if (rate == SoundDecoder::kRate || pcm.samples.empty())
        return pcm;
    const std::size_t inFrames = pcm.frames();
    const auto outFrames = static_cast<std::size_t>(
        std::llround(static_cast<double>(inFrames) * SoundDecoder::kRate / static_cast<double>(rate)));
    const double step = static_cast<double>(rate) / SoundDecoder::kRate;
    std::vector<std::int16_t> out(outFrames * static_cast<std::size_t>(channels));
    for (std::size_t f = 0; f < outFrames; ++f) {
        const double at = static_cast<double>(f) * step;
        const auto left = std::min(static_cast<std::size_t>(at), inFrames - 1);
        const std::size_t right = std::min(left + 1, inFrames - 1);
        const double weight = at - static_cast<double>(left);
        for (int c = 0; c < channels; ++c) {
            const double a =
                pcm.samples[left * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
            const double b =
                pcm.samples[right * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
            out[f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<std::int16_t>(std::lround(a + (b - a) * weight));
        }
    }
    pcm.samples = std::move(out);
    return pcm;
}

Decoded decodeMpeg(const std::string& bytes) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    int error = MPG123_OK;
    const std::unique_ptr<mpg123_handle, decltype(&mpg123_delete)> handle(mpg123_new(nullptr, &error),
                                                                          &mpg123_delete);
    if (!handle)
        return std::string(mpg123_plain_strerror(error));
    mpg123_handle* mh = handle.get();
    // Whatever the library has to say about a damaged file, the framework says in one line.
    mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Any rate and channel count, always as 16-bit samples.
    mpg123_format_none(mh);
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t k = 0; k < count; ++k)
        mpg123_format(mh, rates[k], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(mh) != MPG123_OK ||
        mpg123_feed(mh, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) != MPG123_OK)
        return std::string(mpg123_strerror(mh));

    std::vector<std::int16_t> samples;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    std::int16_t buffer[8192];
    for (;;) {
        std::size_t done = 0;
        const int status = mpg123_read(mh, buffer, sizeof buffer, &done);
        if (status == MPG123_NEW_FORMAT) {
            mpg123_getformat(mh, &rate, &channels, &encoding);
            continue;
        }
        samples.insert(samples.end(), buffer, buffer + done / sizeof(std::int16_t));
        if (status == MPG123_NEED_MORE || status == MPG123_DONE)
            break;
        if (status != MPG123_OK)
            return std::string(mpg123_strerror(mh));
    }
    if (samples.empty() || channels < 1 || channels > 2 || rate <= 0)
        return std::string("no audio in it");
    return toMixerRate(std::move(samples), channels, rate);
}

} // namespace

std::variant<Pcm, std::string> SoundDecoder::decode(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    if (!(in && bytes << in.rdbuf()))
        return std::string("cannot read it");
    const std::string contents = std::move(bytes).str();
    if (contents.compare(0, 4, "RIFF") == 0) {
        auto wav = WavReader::read(contents);
        if (!wav || wav->samples.empty())
            return std::string("not a PCM WAVE file");
        return toMixerRate(std::move(wav->samples), wav->channels, wav->rate);
    }
    return decodeMpeg(contents);
}

} // namespace fw::qt
