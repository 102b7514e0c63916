// Draws the bundle's pictures into a folder: qovara-artwork OUTPUT_DIR [STAMP_FILE].
// Every registered family writes its pieces as PNG files (JPEG for names ending in ".jpg"); the stamp file is touched
// when all succeeded.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/gfx/BitmapContext.h"
#include "resources/artwork/Artwork.h"
#include "resources/artwork/JpegFile.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: qovara-artwork OUTPUT_DIR [STAMP_FILE]\n";
        return 2;
    }
    const std::filesystem::path output = argv[1];
    std::error_code error;
    std::filesystem::create_directories(output, error);
    if (error) {
        std::cerr << "cannot create " << output << ": " << error.message() << '\n';
        return 1;
    }
    int written = 0;
    for (const auto& family : artwork::families()) {
        for (const auto& piece : family.pieces) {
            platform::gfx::BitmapContext context(piece.width, piece.height);
            artwork::Painter painter(context);
            piece.paint(painter);
            const auto path = output / piece.fileName;
            const auto image = context.makeImage();
            const bool saved =
                path.extension() == ".jpg" ? artwork::writeJpeg(*image, path.string()) : image->writePNG(path.string());
            if (!saved) {
                std::cerr << "cannot write " << piece.fileName << " (" << family.name << ")\n";
                return 1;
            }
            ++written;
        }
    }
    if (argc > 2) {
        std::ofstream(argv[2]) << written << " pictures\n";
    }
    return 0;
}
