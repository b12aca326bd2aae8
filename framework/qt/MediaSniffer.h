#pragma once

#include <filesystem>

namespace fw::qt {

// Tells from a file's first bytes whether it can be a sound or a movie, without decoding it, so
// that opening a media file never blocks and a broken one opens as nil.
class MediaSniffer {
public:
    enum class Kind { Unknown, Audio, Movie };
    // Unknown also for a file that is missing, not a regular file, empty or unreadable.
    static Kind sniff(const std::filesystem::path& file);
};

} // namespace fw::qt
