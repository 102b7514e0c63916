#include "platform/gfx/FontFace.h"

#include <mutex>

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/base/Log.h"
#include "platform/gfx/Font.h"

QOV_LOG_LEVEL(15)

namespace platform::gfx {

namespace {

constexpr const char* kRegularPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kCondensedPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";
constexpr const char* kCondensedBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

// The faces live as long as the process (cairo caches fonts made from them until exit).
struct Faces {
    FT_Library library = nullptr;
    cairo_font_face_t* regular = nullptr;
    cairo_font_face_t* bold = nullptr;
    cairo_font_face_t* condensed = nullptr;
    cairo_font_face_t* condensedBold = nullptr;
};

cairo_font_face_t* load(FT_Library library, const char* path) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path, 0, &face) != 0) {
        QOV_LOG_WARN("Cannot load the font {}; using the system's font lookup", path);
        return nullptr;
    }
    return cairo_ft_font_face_create_for_ft_face(face, 0);
}

const Faces& faces() {
    static Faces shared;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        if (FT_Init_FreeType(&shared.library) != 0) {
            QOV_LOG_WARN("Cannot start FreeType; using the system's font lookup");
            return;
        }
        shared.regular = load(shared.library, kRegularPath);
        shared.bold = load(shared.library, kBoldPath);
        shared.condensed = load(shared.library, kCondensedPath);
        shared.condensedBold = load(shared.library, kCondensedBoldPath);
    });
    return shared;
}

}  // namespace

void FontFace::select(cairo_t* cairo, const Font& font) {
    const Faces& loaded = faces();
    cairo_font_face_t* face = font.isCondensed() ? (font.isBold() ? loaded.condensedBold : loaded.condensed)
                                                 : (font.isBold() ? loaded.bold : loaded.regular);
    if (face) {
        cairo_set_font_face(cairo, face);
    } else {
        cairo_select_font_face(cairo, Font::family(), CAIRO_FONT_SLANT_NORMAL,
                               font.isBold() ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    cairo_set_font_size(cairo, font.pointSize());
}

}  // namespace platform::gfx
