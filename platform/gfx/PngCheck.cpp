#include "platform/gfx/PngCheck.h"

#include <algorithm>
#include <array>

#include <fmt/format.h>

namespace platform::gfx {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::size_t kChunkOverhead = 12;  // length, type and checksum
constexpr std::uint32_t kHeaderLength = 13;
constexpr std::uint32_t kLongestChunk = 0x7fffffff;

std::uint32_t bigEndian32(const Data& data, std::size_t offset) {
    return static_cast<std::uint32_t>(data[offset]) << 24 | static_cast<std::uint32_t>(data[offset + 1]) << 16 |
           static_cast<std::uint32_t>(data[offset + 2]) << 8 | static_cast<std::uint32_t>(data[offset + 3]);
}

bool chunkTypeIs(const Data& data, std::size_t offset, const char (&type)[5]) {
    return std::equal(type, type + 4, data.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

}  // namespace

std::optional<std::string> PngCheck::problem(const Data& data, PngBounds bounds) {
    if (data.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), data.begin())) {
        return "no PNG signature";
    }
    std::size_t offset = kSignature.size();
    if (data.size() - offset < kChunkOverhead + kHeaderLength || bigEndian32(data, offset) != kHeaderLength ||
        !chunkTypeIs(data, offset, "IHDR")) {
        return "no PNG header chunk";
    }
    const std::uint32_t width = bigEndian32(data, offset + 8);
    const std::uint32_t height = bigEndian32(data, offset + 12);
    if (width == 0 || height == 0) {
        return "the picture has no pixels";
    }
    if (width > bounds.maxWidth || height > bounds.maxHeight) {
        return fmt::format("the picture is {} x {} pixels, more than {} x {}", width, height, bounds.maxWidth,
                           bounds.maxHeight);
    }
    while (offset < data.size()) {
        if (data.size() - offset < kChunkOverhead) {
            return "the PNG stream is cut short";
        }
        const std::uint32_t length = bigEndian32(data, offset);
        if (length > kLongestChunk || data.size() - offset - kChunkOverhead < length) {
            return "the PNG stream is cut short";
        }
        const bool end = chunkTypeIs(data, offset, "IEND");
        offset += kChunkOverhead + length;
        if (end) {
            return offset == data.size() ? std::nullopt
                                         : std::optional<std::string>("bytes follow the end of the PNG stream");
        }
    }
    return "the PNG stream has no end";
}

}  // namespace platform::gfx
