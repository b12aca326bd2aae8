#include "qt/MediaSniffer.h"

#include <array>
#include <cstring>
#include <fstream>
#include <system_error>

namespace fw::qt {

namespace {

using Header = std::array<unsigned char, 12>;

bool startsWith(const Header& header, std::size_t offset, const char* magic) {
    return std::memcmp(header.data() + offset, magic, std::strlen(magic)) == 0;
}

bool isAudio(const Header& header) {
    const bool mpegFrameSync = header[0] == 0xFF && (header[1] & 0xE0) == 0xE0;
    return startsWith(header, 0, "ID3") || mpegFrameSync ||
           (startsWith(header, 0, "RIFF") && startsWith(header, 8, "WAVE"));
}

} // namespace

MediaSniffer::Kind MediaSniffer::sniff(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) || std::filesystem::file_size(file, error) == 0 ||
        error)
        return Kind::Unknown;
    std::ifstream in(file, std::ios::binary);
    Header header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    if (in.gcount() < 4)
        return Kind::Unknown;
    if (startsWith(header, 4, "ftyp"))
        return Kind::Movie;
    if (isAudio(header))
        return Kind::Audio;
    return Kind::Unknown;
}

} // namespace fw::qt
