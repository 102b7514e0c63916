#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/base/Value.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/PngCheck.h"
#include "platform/gfx/Rect.h"

typedef struct _cairo_surface cairo_surface_t;

namespace platform::gfx {

// An immutable bitmap (32-bit, premultiplied alpha) backed by a cairo image surface.
class Image {
public:
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Decoding answers nullptr (and logs why) for a missing, truncated or malformed PNG, and for one whose header
    // declares a picture over the bounds (refused before any pixel is decoded; see PngCodec).
    static std::shared_ptr<Image> fromPNGFile(const std::string& path, PngBounds bounds = PngBounds::serviceImage());
    static std::shared_ptr<Image> fromPNGData(const Data& data, PngBounds bounds = PngBounds::serviceImage());

    int width() const;
    int height() const;

    // The picture as PNG bytes, encoded for speed (PngCodec).
    std::optional<Data> pngData() const;
    // Whether both images have the same size and the same pixels.
    bool samePixels(const Image& other) const;
    // Writes the PNG where the path leads (AtomicFile::writeWhereAsked: a file is replaced atomically and privately,
    // a link followed, a pipe or a device written into, a folder refused). Answers true only when the bytes went
    // there; else false with problem saying why, as a sentence that leaves out the path.
    bool writePNG(const std::string& path, std::string& problem) const;
    // As above, the problem logged.
    bool writePNG(const std::string& path) const;

    // The part of the image inside rect (in pixels, clipped to the image); nullptr when nothing is left.
    std::shared_ptr<Image> cropped(const Rect& rect) const;

    // The colour of one pixel with alpha not premultiplied; clear outside the image.
    Color pixel(int x, int y) const;

    // Takes ownership of a surface reference (used by BitmapContext).
    static std::shared_ptr<Image> adopt(cairo_surface_t* surface);
    cairo_surface_t* surface() const { return m_surface; }

private:
    explicit Image(cairo_surface_t* surface);
    cairo_surface_t* m_surface;
};

}  // namespace platform::gfx
