#include "platform/gfx/PngCodec.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <cairo.h>
#include <spng.h>

namespace platform::gfx {

namespace {

// No chunk may be longer, and the ancillary chunks kept while decoding (texts, colour profiles, decompressed)
// take at most this much memory (libspng wants the second at least as large as the first).
constexpr std::size_t kLongestChunk = 16u << 20;
constexpr std::size_t kAncillaryChunkMemory = 16u << 20;

// zlib's fastest level and no row filter: a 640 x 960 screen picture (flat areas, icons, text) encodes in about a
// fifth of the time cairo's writer (libpng, default level, adaptive filters) takes, and comes out no larger; the
// "up" or "sub" filter costs a third more time for no gain, adaptive filtering four times as much.
constexpr int kCompressionLevel = 1;
constexpr int kFilterChoice = SPNG_FILTER_CHOICE_NONE;

using Context = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

// Cairo's rounding, so pictures read the same as through its own PNG reader and writer.
std::uint32_t premultiplied(std::uint32_t alpha, std::uint32_t colour) {
    const std::uint32_t product = alpha * colour + 0x80;
    return ((product >> 8) + product) >> 8;
}

std::uint8_t unpremultiplied(std::uint32_t alpha, std::uint32_t colour) {
    return static_cast<std::uint8_t>((colour * 255 + alpha / 2) / alpha);
}

// RGBA bytes to native-endian premultiplied ARGB words, in place.
void toCairoPixels(unsigned char* pixels, std::size_t count) {
    for (std::size_t index = 0; index < count; ++index) {
        unsigned char* pixel = pixels + index * 4;
        const std::uint32_t alpha = pixel[3];
        std::uint32_t word = 0;
        if (alpha == 255) {
            word = 0xff000000u | static_cast<std::uint32_t>(pixel[0]) << 16 |
                   static_cast<std::uint32_t>(pixel[1]) << 8 | pixel[2];
        } else if (alpha != 0) {
            word = alpha << 24 | premultiplied(alpha, pixel[0]) << 16 | premultiplied(alpha, pixel[1]) << 8 |
                   premultiplied(alpha, pixel[2]);
        }
        std::memcpy(pixel, &word, sizeof word);
    }
}

// libspng reports a chunk over its limits as memory running out; the log says what it is.
std::string reasonOf(int status) {
    return status == SPNG_EMEM || status == SPNG_ECHUNK_LIMITS ? "a chunk over the decoder's limits"
                                                               : spng_strerror(status);
}

}  // namespace

cairo_surface_t* PngCodec::decode(const Data& data, PngBounds bounds, std::string& problem) {
    if (auto wrong = PngCheck::problem(data, bounds)) {
        problem = std::move(*wrong);
        return nullptr;
    }
    const Context context(spng_ctx_new(0), spng_ctx_free);
    if (!context) {
        problem = "out of memory";
        return nullptr;
    }
    spng_ihdr header{};
    std::size_t size = 0;
    int status = spng_set_image_limits(context.get(), bounds.maxWidth, bounds.maxHeight);
    status = status ? status : spng_set_chunk_limits(context.get(), kLongestChunk, kAncillaryChunkMemory);
    status = status ? status : spng_set_png_buffer(context.get(), data.data(), data.size());
    status = status ? status : spng_get_ihdr(context.get(), &header);
    status = status ? status : spng_decoded_image_size(context.get(), SPNG_FMT_RGBA8, &size);
    if (status) {
        problem = reasonOf(status);
        return nullptr;
    }
    const int width = static_cast<int>(header.width);
    const int height = static_cast<int>(header.height);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    const int stride = cairo_image_surface_get_stride(surface);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        static_cast<std::size_t>(stride) * static_cast<std::size_t>(height) != size) {
        problem = cairo_status_to_string(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* pixels = cairo_image_surface_get_data(surface);
    status = spng_decode_image(context.get(), pixels, size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    if (status) {
        cairo_surface_destroy(surface);
        problem = reasonOf(status);
        return nullptr;
    }
    toCairoPixels(pixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    cairo_surface_mark_dirty(surface);
    return surface;
}

std::optional<Data> PngCodec::encode(cairo_surface_t* surface, std::string& problem) {
    cairo_surface_flush(surface);
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) {
        problem = "not a 32-bit picture";
        return std::nullopt;
    }
    const auto width = static_cast<std::size_t>(cairo_image_surface_get_width(surface));
    const auto height = static_cast<std::size_t>(cairo_image_surface_get_height(surface));
    const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface));
    const unsigned char* source = cairo_image_surface_get_data(surface);
    if (width == 0 || height == 0 || source == nullptr) {
        problem = "an empty picture";
        return std::nullopt;
    }
    const auto word = [&](std::size_t x, std::size_t y) {
        std::uint32_t value = 0;
        std::memcpy(&value, source + y * stride + x * 4, sizeof value);
        return format == CAIRO_FORMAT_RGB24 ? value | 0xff000000u : value;
    };
    bool opaque = true;
    for (std::size_t y = 0; y < height && opaque; ++y) {
        for (std::size_t x = 0; x < width && opaque; ++x) {
            opaque = word(x, y) >> 24 == 0xff;
        }
    }
    const std::size_t channels = opaque ? 3 : 4;
    std::vector<unsigned char> rows(width * height * channels);
    unsigned char* out = rows.data();
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t value = word(x, y);
            const std::uint32_t alpha = value >> 24;
            std::uint32_t red = value >> 16 & 0xff;
            std::uint32_t green = value >> 8 & 0xff;
            std::uint32_t blue = value & 0xff;
            if (alpha != 255) {
                red = alpha ? unpremultiplied(alpha, red) : 0;
                green = alpha ? unpremultiplied(alpha, green) : 0;
                blue = alpha ? unpremultiplied(alpha, blue) : 0;
            }
            *out++ = static_cast<unsigned char>(red);
            *out++ = static_cast<unsigned char>(green);
            *out++ = static_cast<unsigned char>(blue);
            if (!opaque) {
                *out++ = static_cast<unsigned char>(alpha);
            }
        }
    }

    const Context context(spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    if (!context) {
        problem = "out of memory";
        return std::nullopt;
    }
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(width);
    header.height = static_cast<std::uint32_t>(height);
    header.bit_depth = 8;
    header.color_type = opaque ? SPNG_COLOR_TYPE_TRUECOLOR : SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    int status = spng_set_option(context.get(), SPNG_ENCODE_TO_BUFFER, 1);
    status = status ? status : spng_set_option(context.get(), SPNG_IMG_COMPRESSION_LEVEL, kCompressionLevel);
    status = status ? status : spng_set_option(context.get(), SPNG_FILTER_CHOICE, kFilterChoice);
    status = status ? status : spng_set_ihdr(context.get(), &header);
    status = status ? status
                    : spng_encode_image(context.get(), rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    std::size_t length = 0;
    void* bytes = status ? nullptr : spng_get_png_buffer(context.get(), &length, &status);
    if (bytes == nullptr) {
        problem = spng_strerror(status);
        return std::nullopt;
    }
    const auto* begin = static_cast<const std::uint8_t*>(bytes);
    Data data(begin, begin + length);
    std::free(bytes);
    return data;
}

}  // namespace platform::gfx
