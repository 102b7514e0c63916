// The settings screen's sign-in rows: a small bird and an "f" badge, 30 x 30 pixels on a transparent ground.

#include <cairo.h>

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

void bird(Painter& p) {
    const Color blue = Color::rgba(0.2, 0.65, 0.95);
    cairo_t* cairo = p.cairo();
    // The body: an oval leaning up towards the head.
    cairo_save(cairo);
    cairo_translate(cairo, 14, 17);
    cairo_rotate(cairo, -0.35);
    cairo_scale(cairo, 10, 6.5);
    cairo_arc(cairo, 0, 0, 1, 0, 6.2832);
    cairo_restore(cairo);
    p.setColor(blue);
    cairo_fill(cairo);
    p.fillCircle(21.5, 10, 4.5, blue);
    p.fillPolygon({25, 8.5, 29.5, 9.5, 25.5, 11.5}, Color::rgba(0.98, 0.75, 0.2));  // the beak
    p.fillPolygon({3, 12, 11, 16, 5, 21}, blue);                                    // the tail
    p.fillPolygon({9, 14, 17, 11, 19, 18, 12, 21}, Color::rgba(0.55, 0.82, 1.0));   // the wing
    p.fillCircle(22.8, 9, 1.1, Color::white());
}

void fBadge(Painter& p) {
    p.fillRoundedRect(1, 1, 28, 28, 5, Color::rgba(0.23, 0.35, 0.6));
    p.text("f", 8, 5, 20, 27, 24, true, Color::white());
}

[[maybe_unused]] const bool registered =
    registerFamily("social sign-in icons", {
                                               {"sw_twitterBird.png", 30, 30, bird},
                                               {"facebook-icon.png", 30, 30, fBadge},
                                           });

}  // namespace
}  // namespace artwork
