#pragma once

#include <cstdint>

#include "resources/artwork/Painter.h"

namespace artwork {

// The picture of a weather icon code, built from a few parts so that each family reads at a glance: a
// yellow sun with rays, a pale crescent moon with stars, white or dark clouds, blue rain, white snow flakes,
// a yellow lightning bolt, grey fog bars and wind streaks. Code 44 (no data) is a grey ring with a question
// mark.
struct WeatherGlyph {
    enum class Sky { None, Sun, HotSun, Moon };
    enum class Cover { None, Small, Large, Dark };
    enum class Fall { None, Rain, HeavyRain, Snow, Mix, Ice };

    Sky sky = Sky::None;
    Cover cover = Cover::None;
    Fall fall = Fall::None;
    bool bolt = false;
    bool fog = false;
    bool wind = false;
    bool unknown = false;

    static WeatherGlyph forCode(std::int32_t code);
    // Draws the glyph in the square at (x, y) with the side size.
    void draw(Painter& painter, double x, double y, double size) const;
};

}  // namespace artwork
