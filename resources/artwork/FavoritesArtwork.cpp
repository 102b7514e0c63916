// The favourites screens: the home and push markers of a favourite's row, the empty-conditions icon at its
// large size, and the grey ground of the bookmarks screen's search bar.

#include "resources/artwork/Artwork.h"
#include "resources/artwork/WeatherGlyphs.h"

namespace artwork {
namespace {

constexpr int kEmptyIconCode = 44;

void homeMarker(Painter& p) {
    const Color blue = Color::rgba(0.1, 0.4, 0.85);
    p.fillPolygon({7, 1, 13, 7, 11, 7, 11, 13, 3, 13, 3, 7, 1, 7}, blue);
    p.fillPolygon({6, 9, 8, 9, 8, 13, 6, 13}, Color::white());
}

void pushMarker(Painter& p) {
    const Color orange = Color::rgba(0.95, 0.55, 0.05);
    p.fillPolygon({7, 1, 13, 13, 1, 13}, orange);
    p.fillPolygon({6.25, 5, 7.75, 5, 7.75, 9.5, 6.25, 9.5}, Color::white());
    p.fillCircle(7, 11.25, 0.8, Color::white());
}

void searchBackground(Painter& p) {
    p.fillVerticalGradient(0, 0, p.width(), p.height(), Color::rgba(0.72, 0.74, 0.77), Color::rgba(0.5, 0.52, 0.56));
}

[[maybe_unused]] const bool registered = registerFamily(
    "favourites",
    {
        {"favorites-home.png", 14, 14, homeMarker},
        {"favorites-push.png", 14, 14, pushMarker},
        {"find-me-background-grey.png", 320, 44, searchBackground},
        {"44_512.png", 512, 512, [](Painter& p) { WeatherGlyph::forCode(kEmptyIconCode).draw(p, 0, 0, 512); }},
    });

}  // namespace
}  // namespace artwork
