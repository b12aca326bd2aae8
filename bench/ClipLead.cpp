#include "bench/ClipLead.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mpg123.h>
#include <mutex>
#include <stdexcept>

namespace bench {

double ClipLead::milliseconds(const std::filesystem::path& file, int threshold) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    int error = MPG123_OK;
    const std::unique_ptr<mpg123_handle, decltype(&mpg123_delete)> handle(mpg123_new(nullptr, &error),
                                                                          &mpg123_delete);
    if (!handle || mpg123_format_none(handle.get()) != MPG123_OK)
        throw std::runtime_error("cannot start libmpg123");
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t k = 0; k < count; ++k)
        mpg123_format(handle.get(), rates[k], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle.get(), file.c_str()) != MPG123_OK)
        throw std::runtime_error("cannot open " + file.string());
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    std::array<std::int16_t, 4096> buffer{};
    long frames = 0;
    for (;;) {
        std::size_t done = 0;
        const int status = mpg123_read(handle.get(), buffer.data(), sizeof buffer, &done);
        if (status == MPG123_NEW_FORMAT) {
            mpg123_getformat(handle.get(), &rate, &channels, &encoding);
            continue;
        }
        const std::size_t samples = done / sizeof(std::int16_t);
        for (std::size_t s = 0; s < samples; ++s)
            if (std::abs(buffer[s]) > threshold)
                return 1000.0 * static_cast<double>(frames + static_cast<long>(s) / channels) /
                       static_cast<double>(rate);
        frames += static_cast<long>(samples) / channels;
        if (status != MPG123_OK)
            throw std::runtime_error(file.string() + " never reaches the threshold");
    }
}

} // namespace bench
