#include "platform/gfx/Image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include <cairo.h>

#include "platform/base/Log.h"
#include "platform/gfx/PngCodec.h"
#include "platform/storage/AtomicFile.h"

QOV_LOG_LEVEL(15)

namespace platform::gfx {

namespace {

std::shared_ptr<Image> decoded(const Data& data, PngBounds bounds, const std::string& source) {
    std::string problem;
    cairo_surface_t* surface = PngCodec::decode(data, bounds, problem);
    if (surface == nullptr) {
        QOV_LOG_ERROR("Cannot decode the PNG image {}: {}", source, problem);
        return nullptr;
    }
    return Image::adopt(surface);
}

}  // namespace

Image::Image(cairo_surface_t* surface) : m_surface(surface) {}

Image::~Image() { cairo_surface_destroy(m_surface); }

std::shared_ptr<Image> Image::adopt(cairo_surface_t* surface) { return std::shared_ptr<Image>(new Image(surface)); }

std::shared_ptr<Image> Image::fromPNGFile(const std::string& path, PngBounds bounds) {
    // A PNG over the bounds is larger than this many bytes only when it holds huge chunks besides its pixels.
    const std::size_t largest = std::size_t{bounds.maxWidth} * bounds.maxHeight * 4 + (1u << 20);
    const std::optional<std::string> bytes = AtomicFile::read(path, largest);
    if (!bytes) {
        QOV_LOG_ERROR("Cannot read the PNG image {}", path);
        return nullptr;
    }
    return decoded(Data(bytes->begin(), bytes->end()), bounds, path);
}

std::shared_ptr<Image> Image::fromPNGData(const Data& data, PngBounds bounds) { return decoded(data, bounds, "data"); }

int Image::width() const { return cairo_image_surface_get_width(m_surface); }

int Image::height() const { return cairo_image_surface_get_height(m_surface); }

std::optional<Data> Image::pngData() const {
    std::string problem;
    std::optional<Data> data = PngCodec::encode(m_surface, problem);
    if (!data) {
        QOV_LOG_ERROR("Cannot encode the PNG image: {}", problem);
    }
    return data;
}

bool Image::samePixels(const Image& other) const {
    if (width() != other.width() || height() != other.height()) {
        return false;
    }
    cairo_surface_flush(m_surface);
    cairo_surface_flush(other.m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    if (stride != cairo_image_surface_get_stride(other.m_surface)) {
        return false;
    }
    const unsigned char* mine = cairo_image_surface_get_data(m_surface);
    const unsigned char* theirs = cairo_image_surface_get_data(other.m_surface);
    return std::memcmp(mine, theirs, static_cast<std::size_t>(stride) * static_cast<std::size_t>(height())) == 0;
}

bool Image::writePNG(const std::string& path, std::string& problem) const {
    const std::optional<Data> data = pngData();
    if (!data) {
        problem = "the picture cannot be encoded as PNG";
        return false;
    }
    return AtomicFile::writeWhereAsked(
        path, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()), problem);
}

bool Image::writePNG(const std::string& path) const {
    std::string problem;
    if (!writePNG(path, problem)) {
        QOV_LOG_ERROR("Cannot write the PNG image {}: {}", path, problem);
        return false;
    }
    return true;
}

std::shared_ptr<Image> Image::cropped(const Rect& rect) const {
    const Rect bounds(0, 0, width(), height());
    const Rect area = rect.intersection(bounds);
    const int left = static_cast<int>(std::floor(area.x()));
    const int top = static_cast<int>(std::floor(area.y()));
    const int cropWidth = static_cast<int>(std::ceil(area.maxX())) - left;
    const int cropHeight = static_cast<int>(std::ceil(area.maxY())) - top;
    if (area.isEmpty() || cropWidth <= 0 || cropHeight <= 0) {
        return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cropWidth, cropHeight);
    cairo_t* cairo = cairo_create(surface);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cairo, m_surface, -left, -top);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    return adopt(surface);
}

Color Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return Color::clear();
    }
    cairo_surface_flush(m_surface);
    const unsigned char* row = cairo_image_surface_get_data(m_surface) +
                               static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(m_surface);
    std::uint32_t value = 0;
    std::copy_n(row + static_cast<std::ptrdiff_t>(x) * 4, 4, reinterpret_cast<unsigned char*>(&value));
    const double alpha = static_cast<double>((value >> 24) & 0xFF) / 255.0;
    if (alpha <= 0.0) {
        return Color::clear();
    }
    const auto channel = [&](int shift) {
        return std::min(1.0, static_cast<double>((value >> shift) & 0xFF) / 255.0 / alpha);
    };
    return Color::rgba(channel(16), channel(8), channel(0), alpha);
}

}  // namespace platform::gfx
