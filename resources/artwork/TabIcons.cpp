// The tab strip's icons, 30 x 30 pixels on a transparent ground.

#include <cairo.h>

#include <cmath>
#include <numbers>

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

const Color kWhite = Color::white();
const Color kSun = Color::rgba(1.0, 0.8, 0.15);
const Color kInk = Color::rgba(0.1, 0.1, 0.12);

void weather(Painter& p) {
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * std::numbers::pi / 4.0;
        p.strokePolyline({11 + 6.5 * std::cos(angle), 11 + 6.5 * std::sin(angle), 11 + 9.5 * std::cos(angle),
                          11 + 9.5 * std::sin(angle)},
                         kSun, 1.8);
    }
    p.fillCircle(11, 11, 5.5, kSun);
    p.fillCloud(6, 12, 23, 15, kWhite);
}

void map(Painter& p) {
    const Color light = Color::rgba(0.93, 0.88, 0.72);
    const Color dark = Color::rgba(0.78, 0.72, 0.55);
    p.fillPolygon({3, 7, 11, 4, 11, 25, 3, 28}, light);
    p.fillPolygon({11, 4, 19, 7, 19, 28, 11, 25}, dark);
    p.fillPolygon({19, 7, 27, 4, 27, 25, 19, 28}, light);
    p.strokePolyline({5, 20, 10, 15, 15, 18, 22, 11, 26, 13}, Color::rgba(0.2, 0.5, 0.9), 1.5);
    p.fillCircle(18, 9, 4, Color::rgba(0.9, 0.15, 0.15));
    p.fillPolygon({14.5, 10.5, 21.5, 10.5, 18, 17}, Color::rgba(0.9, 0.15, 0.15));
    p.fillCircle(18, 9, 1.5, kWhite);
}

void imagery(Painter& p) {
    p.fillRoundedRect(2, 5, 26, 21, 2, kWhite);
    p.fillVerticalGradient(4, 7, 22, 17, Color::rgba(0.35, 0.6, 0.95), Color::rgba(0.7, 0.85, 1.0));
    p.fillCircle(20, 11.5, 2.5, kSun);
    p.fillPolygon({4, 24, 11, 13, 16, 20, 19, 17, 26, 24}, Color::rgba(0.2, 0.55, 0.25));
}

void severe(Painter& p) {
    p.fillPolygon({15, 2, 29, 27, 1, 27}, Color::rgba(1.0, 0.78, 0.0));
    p.fillPolygon({13.6, 10, 16.4, 10, 15.8, 20, 14.2, 20}, kInk);
    p.fillCircle(15, 23.3, 1.6, kInk);
}

void video(Painter& p) {
    p.fillRoundedRect(2, 6, 26, 19, 3, kWhite);
    for (int hole = 0; hole < 5; ++hole) {
        p.fillRoundedRect(4 + hole * 5.0, 7.5, 3, 2, 0.5, kInk);
        p.fillRoundedRect(4 + hole * 5.0, 21.5, 3, 2, 0.5, kInk);
    }
    p.fillPolygon({12, 11, 20, 15.5, 12, 20}, Color::rgba(0.85, 0.1, 0.1));
}

void social(Painter& p) {
    const Color bubble = Color::rgba(0.3, 0.7, 1.0);
    p.fillRoundedRect(2, 4, 26, 18, 6, bubble);
    p.fillPolygon({8, 20, 14, 20, 7, 27}, bubble);
    for (int dot = 0; dot < 3; ++dot) {
        p.fillCircle(9 + dot * 6.0, 13, 2, kWhite);
    }
}

void photos(Painter& p) {
    p.fillRoundedRect(8, 6, 8, 4, 1, kWhite);
    p.fillRoundedRect(2, 8, 26, 18, 3, kWhite);
    p.fillCircle(15, 17, 6.5, kInk);
    p.fillCircle(15, 17, 4.5, Color::rgba(0.35, 0.55, 0.85));
    p.fillCircle(13.5, 15.5, 1.3, kWhite);
    p.fillCircle(24, 11.5, 1.3, Color::rgba(0.9, 0.2, 0.2));
}

void inSeason(Painter& p) {
    cairo_t* cr = p.cairo();
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 26);
    cairo_curve_to(cr, 4, 12, 14, 4, 27, 3);
    cairo_curve_to(cr, 27, 16, 19, 26, 5, 26);
    cairo_close_path(cr);
    p.setColor(Color::rgba(0.3, 0.75, 0.25));
    cairo_fill(cr);
    p.strokePolyline({3, 28, 11, 20, 22, 9}, Color::rgba(0.15, 0.4, 0.1), 1.6);
}

void gear(Painter& p, double cx, double cy, double radius, const Color& color) {
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = tooth * std::numbers::pi / 4.0;
        cairo_t* cr = p.cairo();
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, angle);
        p.fillRoundedRect(-2.5, -radius - 3.5, 5, 6, 1, color);
        cairo_restore(cr);
    }
    p.fillCircle(cx, cy, radius, color);
    cairo_t* cr = p.cairo();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_arc(cr, cx, cy, radius * 0.42, 0.0, 2.0 * std::numbers::pi);
    cairo_fill(cr);
    cairo_restore(cr);
}

void settings(Painter& p) { gear(p, 15, 15, 8.5, Color::rgba(0.78, 0.8, 0.84)); }

void debugSettings(Painter& p) {
    gear(p, 12, 12, 6.5, Color::rgba(0.78, 0.8, 0.84));
    const Color orange = Color::rgba(1.0, 0.55, 0.1);
    p.strokePolyline({16, 16, 26, 26}, orange, 4.0);
    p.fillCircle(17, 17, 4, orange);
}

void console(Painter& p) {
    p.fillRoundedRect(2, 4, 26, 22, 3, Color::rgba(0.8, 0.82, 0.86));
    p.fillRoundedRect(4, 8, 22, 16, 1.5, kInk);
    const Color green = Color::rgba(0.3, 0.95, 0.4);
    p.strokePolyline({7, 12, 11, 15.5, 7, 19}, green, 1.8);
    p.strokePolyline({13, 20, 20, 20}, green, 1.8);
}

[[maybe_unused]] const bool registered =
    registerFamily("tab icons", {
                                    {"tabbar-icon-weather.png", 30, 30, weather},
                                    {"tabbar-icon-map.png", 30, 30, map},
                                    {"tabbar-icon-imagery.png", 30, 30, imagery},
                                    {"tabbar-icon-severe.png", 30, 30, severe},
                                    {"tabbar-icon-video.png", 30, 30, video},
                                    {"tabbar-icon-swagger.png", 30, 30, social},
                                    {"tabbar-icon-zavio.png", 30, 30, photos},
                                    {"tabbar-icon-inseason.png", 30, 30, inSeason},
                                    {"tabbar-icon-settings.png", 30, 30, settings},
                                    {"tabbar-icon-debug-settings.png", 30, 30, debugSettings},
                                    {"tabbar-icon-console.png", 30, 30, console},
                                });

}  // namespace
}  // namespace artwork
