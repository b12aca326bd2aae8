#include "headless/MediaFiles.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <vector>

namespace fw::headless {

namespace {

// The attribute's value inside one tag, or nothing. Names are matched whole: "width" does not
// match "stroke-width".
std::optional<std::string_view> attribute(std::string_view tag, std::string_view name) {
    for (std::size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
        bool startsWord = at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\n' || tag[at - 1] == '\t' ||
                                     tag[at - 1] == '\r');
        std::size_t equals = at + name.size();
        while (equals < tag.size() && tag[equals] == ' ')
            ++equals;
        if (!startsWord || equals >= tag.size() || tag[equals] != '=')
            continue;
        std::size_t quote = tag.find_first_of("\"'", equals);
        if (quote == std::string_view::npos)
            return std::nullopt;
        std::size_t end = tag.find(tag[quote], quote + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
        return tag.substr(quote + 1, end - quote - 1);
    }
    return std::nullopt;
}

// The leading number of a length such as "175", "175.5px" or "12e1".
std::optional<double> leadingNumber(std::string_view text) {
    std::string copy(text);
    char* end = nullptr;
    double value = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<double> numbers(std::string_view text) {
    std::vector<double> values;
    std::string copy(text);
    const char* at = copy.c_str();
    while (*at) {
        char* end = nullptr;
        double value = std::strtod(at, &end);
        if (end == at) {
            ++at;
            continue;
        }
        values.push_back(value);
        at = end;
    }
    return values;
}

std::uint32_t bigEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t count) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string head(count, '\0');
    in.read(head.data(), static_cast<std::streamsize>(count));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (head.empty())
        return std::nullopt;
    return head;
}

bool LooksLikeMp3(std::string_view head) {
    if (head.substr(0, 3) == "ID3")
        return true;
    return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
           (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0;
}

bool LooksLikeMp4(std::string_view head) {
    return head.size() >= 8 && head.substr(4, 4) == "ftyp";
}

std::optional<PictureSize> PngSize(std::string_view head) {
    static constexpr std::string_view signature("\x89PNG\r\n\x1a\n", 8);
    if (head.size() < 24 || head.substr(0, 8) != signature || head.substr(12, 4) != "IHDR")
        return std::nullopt;
    return PictureSize{static_cast<int>(bigEndian32(head, 16)), static_cast<int>(bigEndian32(head, 20))};
}

std::optional<PictureSize> SvgSize(std::string_view head) {
    std::size_t start = head.find("<svg");
    if (start == std::string_view::npos)
        return std::nullopt;
    std::size_t end = head.find('>', start);
    std::string_view tag = head.substr(start, end == std::string_view::npos ? head.npos : end - start);
    PictureSize size;
    auto width = attribute(tag, "width");
    auto height = attribute(tag, "height");
    if (width && height) {
        size.width = static_cast<int>(std::lround(leadingNumber(*width).value_or(0)));
        size.height = static_cast<int>(std::lround(leadingNumber(*height).value_or(0)));
    } else if (auto viewBox = attribute(tag, "viewBox")) {
        auto box = numbers(*viewBox);
        if (box.size() == 4) {
            size.width = static_cast<int>(std::lround(box[2]));
            size.height = static_cast<int>(std::lround(box[3]));
        }
    }
    return size;
}

} // namespace fw::headless
