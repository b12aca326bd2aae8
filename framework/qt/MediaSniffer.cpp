#include "qt/MediaSniffer.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Plain system calls: a sound is sniffed as a press opens it, and this is the cheapest read.
    // Without blocking, for a file that is a pipe.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Kind::Unknown;
    struct stat info {};
    Header header{};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const ssize_t got = regular ? ::read(fd, header.data(), header.size()) : -1;
    ::close(fd);
    if (got < 4)
        return Kind::Unknown;
    if (startsWith(header, 4, "ftyp"))
        return Kind::Movie;
    if (isAudio(header))
        return Kind::Audio;
    return Kind::Unknown;
}

} // namespace fw::qt
