#include "resources/artwork/WeatherGlyphs.h"

#include <cairo.h>

#include <array>
#include <cmath>
#include <numbers>

#include "app/shell/services/WeatherIconKinds.h"

namespace artwork {

namespace {

using Sky = WeatherGlyph::Sky;
using Cover = WeatherGlyph::Cover;
using Fall = WeatherGlyph::Fall;

const Color kSun = Color::rgba(1.0, 0.8, 0.1);
const Color kHotSun = Color::rgba(1.0, 0.42, 0.1);
const Color kMoon = Color::rgba(0.95, 0.93, 0.78);
const Color kCloud = Color::rgba(0.94, 0.95, 0.97);
const Color kDarkCloud = Color::rgba(0.42, 0.44, 0.5);
const Color kRain = Color::rgba(0.3, 0.6, 1.0);
const Color kSnow = Color::white();
const Color kIce = Color::rgba(0.7, 0.9, 1.0);
const Color kBolt = Color::rgba(1.0, 0.85, 0.0);
const Color kFog = Color::rgba(0.72, 0.74, 0.78);
const Color kWind = Color::rgba(0.75, 0.85, 0.95);
const Color kUnknown = Color::rgba(0.55, 0.55, 0.6);

// A unit square mapped onto the glyph's box.
struct Box {
    double x;
    double y;
    double size;
    double px(double u) const { return x + u * size; }
    double py(double v) const { return y + v * size; }
    double len(double d) const { return d * size; }
};

void sun(Painter& p, const Box& b, double cx, double cy, double r, const Color& color) {
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * std::numbers::pi / 4.0 + std::numbers::pi / 8.0;
        p.strokePolyline({b.px(cx + r * 1.3 * std::cos(angle)), b.py(cy + r * 1.3 * std::sin(angle)),
                          b.px(cx + r * 1.85 * std::cos(angle)), b.py(cy + r * 1.85 * std::sin(angle))},
                         color, b.len(0.045));
    }
    p.fillCircle(b.px(cx), b.py(cy), b.len(r), color);
}

void moon(Painter& p, const Box& b, double cx, double cy, double r, bool stars) {
    cairo_t* cr = p.cairo();
    cairo_push_group(cr);
    p.fillCircle(b.px(cx), b.py(cy), b.len(r), kMoon);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    p.fillCircle(b.px(cx + r * 0.55), b.py(cy - r * 0.35), b.len(r * 0.85), kMoon);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    if (stars) {
        for (const auto& star : std::array<std::array<double, 2>, 3>{{{0.78, 0.22}, {0.86, 0.44}, {0.66, 0.12}}}) {
            p.fillCircle(b.px(star[0]), b.py(star[1]), b.len(0.025), kMoon);
        }
    }
}

void drops(Painter& p, const Box& b, int count, const Color& color, double top) {
    for (int i = 0; i < count; ++i) {
        const double x = 0.28 + i * (0.5 / std::max(1, count - 1));
        const double y = top + (i % 2) * 0.06;
        p.strokePolyline({b.px(x + 0.04), b.py(y), b.px(x - 0.02), b.py(y + 0.13)}, color, b.len(0.05));
    }
}

void flake(Painter& p, const Box& b, double cx, double cy, double r) {
    for (int arm = 0; arm < 3; ++arm) {
        const double angle = arm * std::numbers::pi / 3.0;
        p.strokePolyline({b.px(cx - r * std::cos(angle)), b.py(cy - r * std::sin(angle)),
                          b.px(cx + r * std::cos(angle)), b.py(cy + r * std::sin(angle))},
                         kSnow, b.len(0.03));
    }
}

void flakes(Painter& p, const Box& b, int count, double top) {
    for (int i = 0; i < count; ++i) {
        flake(p, b, 0.3 + i * (0.42 / std::max(1, count - 1)), top + 0.07 + (i % 2) * 0.08, 0.055);
    }
}

void drawBolt(Painter& p, const Box& b) {
    p.fillPolygon({b.px(0.52), b.py(0.5), b.px(0.38), b.py(0.74), b.px(0.5), b.py(0.74), b.px(0.42), b.py(0.96),
                   b.px(0.66), b.py(0.66), b.px(0.54), b.py(0.66), b.px(0.64), b.py(0.5)},
                  kBolt);
}

void fogBars(Painter& p, const Box& b) {
    for (int bar = 0; bar < 4; ++bar) {
        const double y = 0.4 + bar * 0.13;
        const double inset = (bar % 2) * 0.08;
        p.fillRoundedRect(b.px(0.12 + inset), b.py(y), b.len(0.76 - inset), b.len(0.07), b.len(0.035), kFog);
    }
}

void windStreaks(Painter& p, const Box& b) {
    for (int streak = 0; streak < 3; ++streak) {
        const double y = 0.58 + streak * 0.12;
        const double end = 0.7 + (streak % 2) * 0.12;
        p.strokePolyline(
            {b.px(0.1), b.py(y), b.px(end - 0.1), b.py(y), b.px(end), b.py(y - 0.06), b.px(end - 0.06), b.py(y - 0.11)},
            kWind, b.len(0.045));
    }
}

void drawUnknown(Painter& p, const Box& b) {
    p.strokeCircle(b.px(0.5), b.py(0.5), b.len(0.36), kUnknown, b.len(0.06));
    p.text("?", b.px(0.2), b.py(0.2), b.len(0.6), b.len(0.6), b.len(0.44), true, kUnknown);
}

}  // namespace

WeatherGlyph WeatherGlyph::forCode(std::int32_t code) {
    const auto glyph = [](Sky sky, Cover cover, Fall fall = Fall::None, bool withBolt = false, bool withFog = false,
                          bool withWind = false) {
        return WeatherGlyph{sky, cover, fall, withBolt, withFog, withWind, false};
    };
    static const std::array<WeatherGlyph, qov::WeatherIconKinds::kCount> kGlyphs = {
        glyph(Sky::None, Cover::Dark, Fall::None, true, false, true),                 // 0 tornado
        glyph(Sky::None, Cover::Dark, Fall::Rain, true),                              // 1 tropical storm
        glyph(Sky::None, Cover::Dark, Fall::HeavyRain, false, false, true),           // 2 hurricane
        glyph(Sky::None, Cover::Dark, Fall::Rain, true),                              // 3 severe thunderstorms
        glyph(Sky::None, Cover::Dark, Fall::None, true),                              // 4 thunderstorms
        glyph(Sky::None, Cover::Large, Fall::Mix),                                    // 5 rain and snow
        glyph(Sky::None, Cover::Large, Fall::Mix),                                    // 6 rain and sleet
        glyph(Sky::None, Cover::Large, Fall::Mix),                                    // 7 wintry mix
        glyph(Sky::None, Cover::Large, Fall::Ice),                                    // 8 freezing drizzle
        glyph(Sky::None, Cover::Large, Fall::Rain),                                   // 9 drizzle
        glyph(Sky::None, Cover::Large, Fall::Ice),                                    // 10 freezing rain
        glyph(Sky::None, Cover::Large, Fall::Rain),                                   // 11 showers
        glyph(Sky::None, Cover::Large, Fall::HeavyRain),                              // 12 rain
        glyph(Sky::None, Cover::Large, Fall::Snow),                                   // 13 flurries
        glyph(Sky::None, Cover::Large, Fall::Snow),                                   // 14 snow showers
        glyph(Sky::None, Cover::Large, Fall::Snow, false, false, true),               // 15 blowing snow
        glyph(Sky::None, Cover::Large, Fall::Snow),                                   // 16 snow
        glyph(Sky::None, Cover::Large, Fall::Ice),                                    // 17 hail
        glyph(Sky::None, Cover::Large, Fall::Mix),                                    // 18 sleet
        glyph(Sky::None, Cover::None, Fall::None, false, true),                       // 19 dust
        glyph(Sky::None, Cover::None, Fall::None, false, true),                       // 20 fog
        glyph(Sky::Sun, Cover::None, Fall::None, false, true),                        // 21 haze
        glyph(Sky::None, Cover::None, Fall::None, false, true),                       // 22 smoke
        glyph(Sky::None, Cover::None, Fall::None, false, false, true),                // 23 blustery
        glyph(Sky::None, Cover::Small, Fall::None, false, false, true),               // 24 windy
        glyph(Sky::None, Cover::None, Fall::Snow),                                    // 25 cold
        glyph(Sky::None, Cover::Large),                                               // 26 cloudy
        glyph(Sky::Moon, Cover::Large),                                               // 27 mostly cloudy night
        glyph(Sky::Sun, Cover::Large),                                                // 28 mostly cloudy day
        glyph(Sky::Moon, Cover::Small),                                               // 29 partly cloudy night
        glyph(Sky::Sun, Cover::Small),                                                // 30 partly cloudy day
        glyph(Sky::Moon, Cover::None),                                                // 31 clear night
        glyph(Sky::Sun, Cover::None),                                                 // 32 sunny
        glyph(Sky::Moon, Cover::None),                                                // 33 fair night
        glyph(Sky::Sun, Cover::None),                                                 // 34 fair day
        glyph(Sky::None, Cover::Large, Fall::Ice),                                    // 35 rain and hail
        glyph(Sky::HotSun, Cover::None),                                              // 36 hot
        glyph(Sky::Sun, Cover::Large, Fall::None, true),                              // 37 isolated thunderstorms
        glyph(Sky::Sun, Cover::Large, Fall::Rain, true),                              // 38 scattered thunderstorms
        glyph(Sky::Sun, Cover::Large, Fall::Rain),                                    // 39 scattered showers
        glyph(Sky::None, Cover::Dark, Fall::HeavyRain),                               // 40 heavy rain
        glyph(Sky::Sun, Cover::Large, Fall::Snow),                                    // 41 scattered snow showers
        glyph(Sky::None, Cover::Dark, Fall::Snow),                                    // 42 heavy snow
        glyph(Sky::None, Cover::Dark, Fall::Snow, false, false, true),                // 43 blizzard
        WeatherGlyph{Sky::None, Cover::None, Fall::None, false, false, false, true},  // 44 not available
        glyph(Sky::Moon, Cover::Large, Fall::Rain),                                   // 45 scattered showers, night
        glyph(Sky::Moon, Cover::Large, Fall::Snow),                                   // 46 snow showers, night
        glyph(Sky::Moon, Cover::Large, Fall::None, true),                             // 47 thunderstorms, night
    };
    return kGlyphs[static_cast<std::size_t>(qov::WeatherIconKinds::inRange(code) ? code
                                                                                 : qov::WeatherIconKinds::kEmpty)];
}

void WeatherGlyph::draw(Painter& p, double x, double y, double size) const {
    const Box b{x, y, size};
    if (unknown) {
        drawUnknown(p, b);
        return;
    }
    const bool alone = cover == Cover::None && !fog && fall == Fall::None && !wind;
    const bool lowered = fall != Fall::None || bolt;  // the cloud leaves room for what falls from it
    switch (sky) {
        case Sky::Sun:
        case Sky::HotSun:
            if (alone) {
                sun(p, b, 0.5, 0.5, 0.2, sky == Sky::HotSun ? kHotSun : kSun);
            } else {
                sun(p, b, 0.34, lowered ? 0.26 : 0.34, 0.15, sky == Sky::HotSun ? kHotSun : kSun);
            }
            break;
        case Sky::Moon:
            if (alone) {
                moon(p, b, 0.46, 0.52, 0.28, true);
            } else {
                moon(p, b, 0.32, lowered ? 0.24 : 0.32, 0.18, false);
            }
            break;
        case Sky::None: break;
    }
    const double cloudTop = lowered ? 0.14 : 0.22;
    switch (cover) {
        case Cover::Small: p.fillCloud(b.px(0.34), b.py(cloudTop + 0.14), b.len(0.58), b.len(0.38), kCloud); break;
        case Cover::Large: p.fillCloud(b.px(0.1), b.py(cloudTop), b.len(0.82), b.len(0.5), kCloud); break;
        case Cover::Dark: p.fillCloud(b.px(0.1), b.py(cloudTop), b.len(0.82), b.len(0.5), kDarkCloud); break;
        case Cover::None: break;
    }
    const double fallTop = cover == Cover::None ? 0.3 : 0.7;
    switch (fall) {
        case Fall::Rain: drops(p, b, 3, kRain, fallTop); break;
        case Fall::HeavyRain: drops(p, b, 5, kRain, fallTop); break;
        case Fall::Snow:
            if (cover == Cover::None) {
                flake(p, b, 0.5, 0.5, 0.3);
            } else {
                flakes(p, b, 3, fallTop);
            }
            break;
        case Fall::Mix:
            drops(p, b, 2, kRain, fallTop);
            flake(p, b, 0.5, fallTop + 0.1, 0.055);
            break;
        case Fall::Ice: drops(p, b, 3, kIce, fallTop); break;
        case Fall::None: break;
    }
    if (bolt) {
        drawBolt(p, b);
    }
    if (fog) {
        fogBars(p, b);
    }
    if (wind) {
        windStreaks(p, b);
    }
}

}  // namespace artwork
