// The full-screen pictures behind the weather of a kind, by day and by night: "<kind>_day_portrait.jpg",
// "<kind>_night_landscape.jpg", "default_portrait.jpg" and so on (320 x 480 upright, 480 x 320 sideways), a
// sky in the kind's colours with a large picture of the weather.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/shell/services/WeatherIconKinds.h"
#include "resources/artwork/Artwork.h"
#include "resources/artwork/WeatherGlyphs.h"

namespace artwork {
namespace {

constexpr int kPartlyCloudyDay = 30;

struct Sky {
    Color top;
    Color bottom;
};

Sky skyFor(const std::string& kind, bool night) {
    if (night) {
        return {Color::rgba(0.02, 0.04, 0.14), Color::rgba(0.12, 0.16, 0.32)};
    }
    if (kind == "clear" || kind == "partially_cloudy" || kind == "windy") {
        return {Color::rgba(0.1, 0.4, 0.85), Color::rgba(0.55, 0.78, 1.0)};
    }
    if (kind == "thunderstorm") {
        return {Color::rgba(0.12, 0.1, 0.18), Color::rgba(0.35, 0.33, 0.42)};
    }
    if (kind == "snow" || kind == "icy") {
        return {Color::rgba(0.55, 0.62, 0.72), Color::rgba(0.85, 0.89, 0.94)};
    }
    if (kind == "foggy") {
        return {Color::rgba(0.5, 0.52, 0.55), Color::rgba(0.78, 0.79, 0.8)};
    }
    if (kind == "rainy" || kind == "mostly_cloudy") {
        return {Color::rgba(0.25, 0.3, 0.38), Color::rgba(0.5, 0.56, 0.64)};
    }
    return {Color::rgba(0.16, 0.32, 0.6), Color::rgba(0.4, 0.55, 0.8)};
}

std::vector<Piece> backgrounds() {
    std::vector<Piece> pieces;
    std::set<std::string> named;
    for (int code = 0; code < qov::WeatherIconKinds::kCount; ++code) {
        const std::string base = qov::WeatherIconKinds::baseName(code);
        if (!named.insert(base).second) {
            continue;  // the first code of a name draws its picture
        }
        const std::string kind(qov::WeatherIconKinds::kKinds[static_cast<std::size_t>(code)]);
        const Sky sky = skyFor(kind, qov::WeatherIconKinds::isNight(code));
        // The "default" kind gathers rare weather (storms, smoke, cold, no data): a calm sky stands for it.
        const WeatherGlyph glyph = WeatherGlyph::forCode(kind == "default" ? kPartlyCloudyDay : code);
        for (const bool landscape : {false, true}) {
            const int width = landscape ? 480 : 320;
            const int height = landscape ? 320 : 480;
            pieces.push_back({base + (landscape ? "_landscape.jpg" : "_portrait.jpg"), width, height,
                              [sky, glyph, width, height](Painter& p) {
                                  p.fillVerticalGradient(0, 0, width, height, sky.top, sky.bottom);
                                  const double side = 0.8 * std::min(width, height);
                                  glyph.draw(p, (width - side) / 2.0, (height - side) / 2.0, side);
                              }});
        }
    }
    return pieces;
}

[[maybe_unused]] const bool registered = registerFamily("weather backgrounds", backgrounds());

}  // namespace
}  // namespace artwork
