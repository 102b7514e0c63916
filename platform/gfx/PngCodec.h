#pragma once

#include <optional>
#include <string>

#include "platform/base/Value.h"
#include "platform/gfx/PngCheck.h"

typedef struct _cairo_surface cairo_surface_t;

namespace platform::gfx {

// PNG bytes to and from cairo image surfaces (32-bit, premultiplied alpha). Pure functions, any thread; every
// surface answered is the caller's to destroy.
class PngCodec {
public:
    // A new ARGB32 surface holding the picture, or nullptr with the reason in problem. PngCheck runs first, so
    // a picture over the bounds is refused before any pixel is decoded; the pixels are decoded straight into the
    // surface (no second full-size copy, whatever the PNG's colour type or depth).
    static cairo_surface_t* decode(const Data& data, PngBounds bounds, std::string& problem);

    // The surface (ARGB32 or RGB24) as PNG bytes, encoded for speed: zlib's fastest level, no row filter, and
    // no alpha channel when every pixel is opaque. nullopt with the reason in problem on failure.
    static std::optional<Data> encode(cairo_surface_t* surface, std::string& problem);
};

}  // namespace platform::gfx
