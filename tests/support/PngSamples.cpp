#include "tests/support/PngSamples.h"

#include <array>

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Image.h"

namespace qovtest {

namespace {

std::uint32_t crc32(const std::uint8_t* bytes, std::size_t length) {
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t index = 0; index < length; ++index) {
        crc ^= bytes[index];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void putBigEndian32(platform::Data& data, std::size_t offset, std::uint32_t value) {
    for (int index = 0; index < 4; ++index) {
        data[offset + static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(value >> (24 - 8 * index));
    }
}

}  // namespace

platform::Data PngSamples::picture(int width, int height) {
    platform::gfx::BitmapContext context(width, height);
    context.fillRect(platform::gfx::Rect(0, 0, width, height), platform::gfx::Color::rgba(0.2, 0.4, 0.8));
    return *context.makeImage()->pngData();
}

platform::Data PngSamples::declaring(std::uint32_t width, std::uint32_t height) {
    platform::Data data = picture(16, 16);
    // Signature (8 bytes), then the header chunk: length, "IHDR", width, height, 5 more bytes, checksum.
    constexpr std::size_t kHeaderType = 12;
    putBigEndian32(data, kHeaderType + 4, width);
    putBigEndian32(data, kHeaderType + 8, height);
    putBigEndian32(data, kHeaderType + 17, crc32(data.data() + kHeaderType, 17));
    return data;
}

}  // namespace qovtest
