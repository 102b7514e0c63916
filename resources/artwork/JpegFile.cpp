#include "resources/artwork/JpegFile.h"

#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace artwork {

bool writeJpeg(const platform::gfx::Image& image, const std::string& path, int quality) {
    cairo_surface_t* surface = image.surface();
    cairo_surface_flush(surface);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int width = image.width();
    const int height = image.height();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || pixels == nullptr) {
        if (file != nullptr) {
            std::fclose(file);
        }
        return false;
    }
    jpeg_compress_struct compress{};
    jpeg_error_mgr errors{};
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    jpeg_stdio_dest(&compress, file);
    compress.image_width = static_cast<JDIMENSION>(width);
    compress.image_height = static_cast<JDIMENSION>(height);
    compress.input_components = 3;
    compress.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, quality, TRUE);
    jpeg_start_compress(&compress, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    while (compress.next_scanline < compress.image_height) {
        // Cairo keeps native-endian ARGB words; pictures drawn here are opaque, so no alpha to undo.
        const auto* source = reinterpret_cast<const std::uint32_t*>(pixels + compress.next_scanline * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t argb = source[x];
            row[x * 3] = static_cast<JSAMPLE>((argb >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<JSAMPLE>((argb >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<JSAMPLE>(argb & 0xFF);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&compress, rows, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    return std::fclose(file) == 0;
}

}  // namespace artwork
