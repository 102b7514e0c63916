// Draws the bundle's pictures into a folder: qovara-artwork OUTPUT_DIR [STAMP_FILE].
// Every registered family writes its pieces as PNG files; the stamp file is touched when all succeeded.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/gfx/BitmapContext.h"
#include "resources/artwork/Artwork.h"

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
            if (!context.makeImage()->writePNG((output / piece.fileName).string())) {
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
