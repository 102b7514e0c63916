// The maps screen's legends, 320 x 32 pixels: the layer's name on the left, its colour scale with the ends named
// under it on the right.

#include <cairo.h>

#include <string>
#include <vector>

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

struct Legend {
    std::string name;
    std::vector<Color> stops;
    std::string low;
    std::string high;
};

constexpr double kScaleLeft = 124.0;
constexpr double kScaleRight = 312.0;

void paintLegend(Painter& p, const Legend& legend) {
    p.fillVerticalGradient(0, 0, p.width(), p.height(), Color::white(0.22), Color::white(0.1));
    p.text(legend.name, 8, 0, kScaleLeft - 12, p.height(), 13, true, Color::white());
    cairo_t* cairo = p.cairo();
    cairo_pattern_t* ramp = cairo_pattern_create_linear(kScaleLeft, 0, kScaleRight, 0);
    for (std::size_t index = 0; index < legend.stops.size(); ++index) {
        const Color& stop = legend.stops[index];
        cairo_pattern_add_color_stop_rgba(ramp, double(index) / double(legend.stops.size() - 1), stop.red, stop.green,
                                          stop.blue, stop.alpha);
    }
    cairo_rectangle(cairo, kScaleLeft, 4, kScaleRight - kScaleLeft, 12);
    cairo_set_source(cairo, ramp);
    cairo_fill(cairo);
    cairo_pattern_destroy(ramp);
    p.strokeRoundedRect(kScaleLeft - 0.5, 3.5, kScaleRight - kScaleLeft + 1, 13, 0, Color::white(1.0, 0.5), 1.0);
    p.text(legend.low, kScaleLeft, 17, 80, 14, 10, false, Color::white(0.9));
    p.text(legend.high, kScaleRight - 80, 17, 80, 14, 10, false, Color::white(0.9));
}

Piece piece(const std::string& file, Legend legend) {
    return {file, 320, 32, [legend = std::move(legend)](Painter& p) { paintLegend(p, legend); }};
}

const Color kLightGreen = Color::rgba(0.55, 0.9, 0.45);
const Color kGreen = Color::rgba(0.1, 0.65, 0.15);
const Color kYellow = Color::rgba(1.0, 0.9, 0.1);
const Color kOrange = Color::rgba(1.0, 0.55, 0.05);
const Color kRed = Color::rgba(0.85, 0.05, 0.05);
const Color kPurple = Color::rgba(0.6, 0.1, 0.6);
const Color kBlue = Color::rgba(0.15, 0.3, 0.9);

std::vector<Piece> legends() {
    return {
        piece("Map Legend - Radar US.png", {"Radar", {kLightGreen, kGreen, kYellow, kOrange, kRed}, "Light", "Heavy"}),
        piece("Map Legend - Clouds.png",
              {"Clouds", {Color::white(0.35), Color::white(0.7), Color::white()}, "Thin", "Thick"}),
        piece("Map Legend - Temperature.png",
              {"Temperature", {kPurple, kBlue, kGreen, kYellow, kOrange, kRed}, "-20°", "110°"}),
        piece("Map Legend - Feels Like.png",
              {"Feels Like", {kPurple, kBlue, kGreen, kYellow, kOrange, kRed}, "-20°", "110°"}),
        piece("Map Legend - 24 Hour Rain.png",
              {"24-Hour Rain", {kLightGreen, kGreen, kBlue, kPurple}, "0.01 in", "4 in"}),
        piece("Map Legend - 24 Hour Snow.png",
              {"24-Hour Snow", {Color::rgba(0.75, 0.85, 1.0), kBlue, kPurple}, "1 in", "24 in"}),
        piece("Map Legend - UV Index.png", {"UV Index", {kGreen, kYellow, kOrange, kRed, kPurple}, "0", "11+"}),
    };
}

[[maybe_unused]] const bool registered = registerFamily("map legends", legends());

}  // namespace
}  // namespace artwork
