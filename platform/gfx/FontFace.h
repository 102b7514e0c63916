#pragma once

typedef struct _cairo cairo_t;

namespace platform::gfx {

class Font;

// Loads the DejaVu Sans faces once through FreeType and selects them on a cairo context, so that text is
// measured and drawn with the same real metrics everywhere. Without the font files cairo's own lookup
// is used instead.
class FontFace {
public:
    static void select(cairo_t* cairo, const Font& font);
};

}  // namespace platform::gfx
