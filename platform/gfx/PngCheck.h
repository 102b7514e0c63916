#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/base/Value.h"

namespace platform::gfx {

// The largest picture a PNG may declare before anything of it is decoded.
struct PngBounds {
    std::uint32_t maxWidth;
    std::uint32_t maxHeight;

    // Map tiles are 256 x 256 pixels.
    static constexpr PngBounds tile() { return {256, 256}; }
    // Any other picture from outside (a service's icon, a picture file): generous, yet at most 16 MB decoded.
    static constexpr PngBounds serviceImage() { return {2048, 2048}; }
};

// A look at PNG bytes without decoding any pixel: the signature, a well-formed header chunk first whose picture
// fits the bounds, chunks whose lengths stay inside the bytes, and the image-end chunk as the very last bytes (a
// stream with anything after its end is refused too). Decoding runs this check first, and a tile read back from
// the map cache runs the same one, so what was stored reads back. Pure functions, any thread.
class PngCheck {
public:
    // What is wrong with the bytes ("no PNG signature", "the picture is 9000 x 20 pixels, more than 256 x 256",
    // ...), or nullopt when they pass.
    static std::optional<std::string> problem(const Data& data, PngBounds bounds);
};

}  // namespace platform::gfx
