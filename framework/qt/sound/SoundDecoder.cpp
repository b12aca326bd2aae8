#include "qt/sound/SoundDecoder.h"

#include "qt/sound/WavReader.h"

#include <fstream>
#include <memory>
#include <mpg123.h>
#include <mutex>
#include <optional>

namespace fw::qt {

namespace {

using Decoded = std::variant<Pcm, std::string>;

// Decoded and resampled a piece at a time, each small enough for a stop to be heard at once.
constexpr std::size_t kPieceFrames = 4096;
constexpr std::size_t kFeedBytes = 16384;
const char* const kTooLong = "longer than a sound effect needs";
const char* const kStopped = "stopped";

std::string impossible(long rate, int channels) {
    return "an impossible format: " + std::to_string(rate) + " Hz, " + std::to_string(channels) +
           (channels == 1 ? " channel" : " channels");
}

// The whole file in one read, once it is known to be no larger than a sound effect needs; or why
// it is not read.
std::optional<std::string> readSmall(const std::filesystem::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0)
        return "cannot read it";
    if (static_cast<std::uintmax_t>(size) > SoundDecoder::kLargestFile)
        return "larger than a sound effect needs (" + std::to_string(size) + " bytes)";
    bytes.resize(static_cast<std::size_t>(size));
    if (!in.seekg(0) || !in.read(bytes.data(), size))
        return "cannot read it";
    return std::nullopt;
}

Decoded decodeWave(std::string_view bytes, const std::stop_token& stop) {
    auto wave = WavReader::open(bytes);
    if (!wave)
        return std::string("not a PCM WAVE file of 8- or 16-bit samples");
    auto resampler = Resampler::from(wave->rate(), wave->channels());
    if (!resampler)
        return impossible(wave->rate(), wave->channels());
    const std::size_t frames = resampler->framesFor(wave->frames());
    if (frames > SoundDecoder::kLongestFrames)
        return std::string(kTooLong);
    Pcm pcm{{}, wave->channels()};
    pcm.samples.reserve(frames * static_cast<std::size_t>(pcm.channels));
    std::vector<std::int16_t> piece;
    for (wave->read(kPieceFrames, piece); !piece.empty(); wave->read(kPieceFrames, piece)) {
        if (stop.stop_requested())
            return std::string(kStopped);
        resampler->add(piece, pcm.samples);
    }
    resampler->finish(pcm.samples);
    if (pcm.samples.empty())
        return std::string("no audio in it");
    return pcm;
}

Decoded decodeMpeg(std::string_view bytes, const std::stop_token& stop) {
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
    if (mpg123_open_feed(mh) != MPG123_OK)
        return std::string(mpg123_strerror(mh));

    Pcm pcm;
    std::optional<Resampler> resampler;
    long rate = 0;
    std::string_view unfed = bytes;
    std::int16_t piece[2 * kPieceFrames];
    for (;;) {
        if (stop.stop_requested())
            return std::string(kStopped);
        std::size_t done = 0;
        const int status = mpg123_read(mh, piece, sizeof piece, &done);
        if (status == MPG123_NEW_FORMAT) {
            long newRate = 0;
            int channels = 0;
            int encoding = 0;
            mpg123_getformat(mh, &newRate, &channels, &encoding);
            if (resampler && (newRate != rate || channels != pcm.channels))
                return std::string("its format changes partway");
            if (!resampler && !(resampler = Resampler::from(newRate, channels)))
                return impossible(newRate, channels);
            rate = newRate;
            pcm.channels = channels;
            continue;
        }
        if (resampler)
            resampler->add(std::span(piece, done / sizeof(std::int16_t)), pcm.samples);
        if (pcm.frames() > SoundDecoder::kLongestFrames)
            return std::string(kTooLong);
        // Fed a piece at a time: the library keeps a copy of what it is fed.
        if (status == MPG123_NEED_MORE && !unfed.empty()) {
            const std::string_view next = unfed.substr(0, kFeedBytes);
            unfed.remove_prefix(next.size());
            if (mpg123_feed(mh, reinterpret_cast<const unsigned char*>(next.data()), next.size()) !=
                MPG123_OK)
                return std::string(mpg123_strerror(mh));
            continue;
        }
        if (status == MPG123_NEED_MORE || status == MPG123_DONE)
            break;
        if (status != MPG123_OK)
            return std::string(mpg123_strerror(mh));
    }
    if (resampler)
        resampler->finish(pcm.samples);
    if (pcm.samples.empty())
        return std::string("no audio in it");
    return pcm;
}

} // namespace

std::variant<Pcm, std::string> SoundDecoder::decode(const std::filesystem::path& file,
                                                    const std::stop_token& stop) {
    std::string bytes;
    if (auto unread = readSmall(file, bytes))
        return std::move(*unread);
    if (bytes.starts_with("RIFF"))
        return decodeWave(bytes, stop);
    return decodeMpeg(bytes, stop);
}

} // namespace fw::qt
