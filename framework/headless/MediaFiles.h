#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fw::headless {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The first `count` bytes of a readable, non-empty regular file (links followed); nothing
// otherwise.
std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t count);

// Recognise a file's kind by its first bytes, as a decoder would before trying.
bool LooksLikeMp3(std::string_view head); // an ID3 tag or an MPEG audio frame sync
bool LooksLikeMp4(std::string_view head); // an ISO media "ftyp" box first
std::optional<PictureSize> PngSize(std::string_view head);
std::optional<PictureSize> SvgSize(std::string_view head); // width/height, else the viewBox

} // namespace fw::headless
