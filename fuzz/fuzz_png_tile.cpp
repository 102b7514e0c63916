// Feeds arbitrary bytes to the PNG codec as the map tiles use it: the check the map cache runs on stored tile
// bytes, decoding with a tile's bounds, and encoding whatever decoded. Decoding never accepts what the check
// refuses (so every stored tile reads back), and an encoded picture decodes again to the same size.
#include <cstddef>
#include <cstdint>

#include "app/maps/cache/TileImageCheck.h"
#include "platform/gfx/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using platform::gfx::Image;
    using platform::gfx::PngBounds;
    const platform::Data bytes(data, data + size);
    const bool passes = !qov::TileImageCheck::problem(bytes);
    const auto picture = Image::fromPNGData(bytes, PngBounds::tile());
    if (!picture) {
        return 0;
    }
    if (!passes || picture->width() > 256 || picture->height() > 256) {
        __builtin_trap();
    }
    const auto encoded = picture->pngData();
    const auto again = encoded ? Image::fromPNGData(*encoded, PngBounds::tile()) : nullptr;
    if (!again || again->width() != picture->width() || again->height() != picture->height() ||
        qov::TileImageCheck::problem(*encoded)) {
        __builtin_trap();
    }
    return 0;
}
