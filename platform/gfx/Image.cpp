#include "platform/gfx/Image.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <cairo.h>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace platform::gfx {

namespace {

struct ReadCursor {
    const Data* data;
    std::size_t position = 0;
};

cairo_status_t readFromData(void* closure, unsigned char* buffer, unsigned int length) {
    auto* cursor = static_cast<ReadCursor*>(closure);
    if (cursor->data->size() - cursor->position < length) {
        return CAIRO_STATUS_READ_ERROR;
    }
    std::copy_n(cursor->data->begin() + static_cast<std::ptrdiff_t>(cursor->position), length, buffer);
    cursor->position += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t appendToData(void* closure, const unsigned char* bytes, unsigned int length) {
    auto* data = static_cast<Data*>(closure);
    data->insert(data->end(), bytes, bytes + length);
    return CAIRO_STATUS_SUCCESS;
}

// Answers the surface as a 32-bit image surface, or nullptr (destroying it) when decoding failed.
cairo_surface_t* checkedSurface(cairo_surface_t* surface, const std::string& source) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        QOV_LOG_ERROR("Cannot decode PNG {}: {}", source, cairo_status_to_string(cairo_surface_status(surface)));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32) {
        return surface;
    }
    // Normalise RGB24, A8 and other formats to ARGB32 so every image reads pixels the same way.
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    cairo_surface_t* converted = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cairo = cairo_create(converted);
    cairo_set_source_surface(cairo, surface, 0, 0);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_destroy(surface);
    return converted;
}

}  // namespace

Image::Image(cairo_surface_t* surface) : m_surface(surface) {}

Image::~Image() { cairo_surface_destroy(m_surface); }

std::shared_ptr<Image> Image::adopt(cairo_surface_t* surface) {
    return std::shared_ptr<Image>(new Image(surface));
}

std::shared_ptr<Image> Image::fromPNGFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        QOV_LOG_ERROR("Cannot open PNG {}", path);
        return nullptr;
    }
    const Data data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ReadCursor cursor{&data};
    cairo_surface_t* surface = checkedSurface(cairo_image_surface_create_from_png_stream(readFromData, &cursor), path);
    return surface ? adopt(surface) : nullptr;
}

std::shared_ptr<Image> Image::fromPNGData(const Data& data) {
    ReadCursor cursor{&data};
    cairo_surface_t* surface =
        checkedSurface(cairo_image_surface_create_from_png_stream(readFromData, &cursor), "data");
    return surface ? adopt(surface) : nullptr;
}

int Image::width() const { return cairo_image_surface_get_width(m_surface); }

int Image::height() const { return cairo_image_surface_get_height(m_surface); }

std::optional<Data> Image::pngData() const {
    Data data;
    if (cairo_surface_write_to_png_stream(m_surface, appendToData, &data) != CAIRO_STATUS_SUCCESS) {
        QOV_LOG_ERROR("Cannot encode PNG");
        return std::nullopt;
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

bool Image::writePNG(const std::string& path) const {
    const std::optional<Data> data = pngData();
    if (!data) {
        return false;
    }
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data->data()), static_cast<std::streamsize>(data->size()));
        if (!file) {
            QOV_LOG_ERROR("Cannot write PNG {}", path);
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        QOV_LOG_ERROR("Cannot write PNG {}: {}", path, error.message());
        std::filesystem::remove(temporary, error);
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
    const unsigned char* row =
        cairo_image_surface_get_data(m_surface) + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(m_surface);
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
