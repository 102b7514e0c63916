// The older tile map's control bar, its buttons and check boxes, and each overlay's chooser preview, bar icon and
// legend.

#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

const Color kWhite = Color::white();
const Color kSea = Color::rgba(0.62, 0.78, 0.9);
const Color kLand = Color::rgba(0.87, 0.84, 0.72);

// An overlay's colours: the legend runs from low to high.
struct OverlayLook {
    const char* name;  // as the picture names spell it
    std::vector<Color> ramp;
    const char* low;
    const char* high;
};

const std::vector<OverlayLook>& looks() {
    static const std::vector<OverlayLook> all{
        {"Radar",
         {Color::rgba(0.2, 0.8, 0.2), Color::rgba(1.0, 0.9, 0.1), Color::rgba(0.95, 0.2, 0.1)},
         "Light",
         "Heavy"},
        {"Clouds", {Color::white(0.55), Color::white(0.8), Color::white(1.0)}, "Thin", "Thick"},
        {"RadarClouds", {Color::white(0.8), Color::rgba(0.2, 0.8, 0.2), Color::rgba(0.95, 0.2, 0.1)}, "Cloud", "Storm"},
        {"Temperature",
         {Color::rgba(0.3, 0.3, 0.9), Color::rgba(0.3, 0.8, 0.4), Color::rgba(0.95, 0.3, 0.1)},
         "Cold",
         "Hot"},
        {"Feels Like",
         {Color::rgba(0.4, 0.2, 0.8), Color::rgba(0.9, 0.9, 0.3), Color::rgba(0.9, 0.2, 0.3)},
         "Cold",
         "Hot"},
        {"UV Index",
         {Color::rgba(0.3, 0.7, 0.3), Color::rgba(0.95, 0.75, 0.1), Color::rgba(0.6, 0.2, 0.7)},
         "Low",
         "Extreme"},
        {"24hr Rain",
         {Color::rgba(0.7, 0.9, 0.7), Color::rgba(0.2, 0.6, 0.3), Color::rgba(0.1, 0.3, 0.7)},
         "0 in",
         "3+ in"},
        {"24hr Snow",
         {Color::rgba(0.85, 0.9, 1.0), Color::rgba(0.5, 0.65, 0.95), Color::rgba(0.5, 0.2, 0.7)},
         "0 in",
         "12+ in"},
    };
    return all;
}

Color mix(const Color& a, const Color& b, double t) {
    return Color::rgba(a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t,
                       a.alpha + (b.alpha - a.alpha) * t);
}

// The ramp's colour at t in 0..1.
Color rampAt(const std::vector<Color>& ramp, double t) {
    const double place = std::clamp(t, 0.0, 1.0) * double(ramp.size() - 1);
    const auto index = std::min(static_cast<std::size_t>(place), ramp.size() - 2);
    return mix(ramp[index], ramp[index + 1], place - double(index));
}

void toolbar(Painter& p) {
    p.fillRoundedRect(0, 0, p.width(), p.height(), 10, Color::white(0.08, 0.85));
    p.fillVerticalGradient(2, 2, p.width() - 4, 24, Color::white(1.0, 0.18), Color::white(1.0, 0.0));
    p.strokeRoundedRect(0.5, 0.5, p.width() - 1, p.height() - 1, 10, Color::white(1.0, 0.3), 1.0);
}

void face(Painter& p, const Color& top, const Color& bottom) {
    p.fillRoundedRect(0, 0, p.width(), p.height(), 7, bottom);
    p.fillVerticalGradient(1, 1, p.width() - 2, p.height() / 2.0, top, top.withAlpha(0.0));
    p.strokeRoundedRect(0.5, 0.5, p.width() - 1, p.height() - 1, 7, Color::white(1.0, 0.4), 1.0);
}

void layerButton(Painter& p) { face(p, Color::rgba(0.45, 0.65, 1.0), Color::rgba(0.1, 0.3, 0.75)); }
void startButton(Painter& p) { face(p, Color::rgba(0.45, 0.85, 0.4), Color::rgba(0.1, 0.5, 0.15)); }
void stopButton(Painter& p) { face(p, Color::rgba(0.95, 0.45, 0.4), Color::rgba(0.65, 0.1, 0.1)); }

void pageCurl(Painter& p) {
    p.fillPolygon({6, 4, 34, 4, 34, 22, 22, 33, 6, 33}, Color::white(0.9));
    p.fillPolygon({34, 22, 22, 33, 24, 22}, Color::white(0.6));
}

void checkbox(Painter& p, bool checked) {
    p.fillRoundedRect(5, 5, 27, 27, 5, Color::white(0.95));
    p.strokeRoundedRect(5.5, 5.5, 26, 26, 5, Color::white(0.4), 1.5);
    if (checked) {
        p.strokePolyline({10, 19, 16, 25, 27, 11}, Color::rgba(0.1, 0.45, 0.85), 3.5);
    }
}

void helpIcon(Painter& p, bool active) {
    p.fillCircle(16, 16, 13, active ? kWhite : Color::white(0.55));
    p.text("?", 6, 4, 20, 24, 18, true, active ? Color::rgba(0.1, 0.35, 0.75) : Color::white(0.2));
}

// A small map of sea and land with the overlay's colours laid over it.
void preview(Painter& p, const OverlayLook& look) {
    p.fillVerticalGradient(0, 0, p.width(), p.height(), kSea, mix(kSea, kWhite, 0.3));
    p.fillPolygon({40, 30, 190, 20, 260, 60, 240, 150, 170, 185, 90, 170, 30, 110}, kLand);
    p.fillPolygon({250, 120, 300, 110, 310, 170, 260, 185}, kLand);
    for (int band = 0; band < 3; ++band) {
        const double t = band / 2.0;
        const Color colour = rampAt(look.ramp, t).withAlpha(0.7);
        p.fillCloud(70 + band * 55, 50 + band * 22, 110 - band * 20, 70 - band * 14, colour);
    }
}

void barIcon(Painter& p, const OverlayLook& look) {
    p.fillRoundedRect(4, 4, 32, 28, 5, kSea);
    p.fillCloud(8, 9, 24, 18, rampAt(look.ramp, 1.0));
}

void legend(Painter& p, const OverlayLook& look) {
    const double x = 6;
    const double width = p.width() - 12.0;
    for (int column = 0; column < static_cast<int>(width); ++column) {
        const Color colour = rampAt(look.ramp, column / width);
        p.fillRoundedRect(x + column, 6, 1.5, 14, 0, colour);
    }
    p.text(look.low, x, 21, 90, 16, 11, true, kWhite);
    p.text(look.high, p.width() - 96.0, 21, 90, 16, 11, true, kWhite);
}

std::vector<Piece> pieces() {
    std::vector<Piece> all{
        {"Maps - Toolbar Short BG.png", 728, 60, toolbar},
        {"Maps - Toolbar Tall BG.png", 728, 160, toolbar},
        {"Maps - Layer Button Blue.png", 181, 37, layerButton},
        {"Maps - Start Button.png", 72, 37, startButton},
        {"Maps - Stop Button.png", 72, 37, stopButton},
        {"Page Curl Icon.png", 40, 37, pageCurl},
        {"Checkbox - checked.png", 37, 37, [](Painter& p) { checkbox(p, true); }},
        {"Checkbox - clear.png", 37, 37, [](Painter& p) { checkbox(p, false); }},
        {"Map Selection Bar Help Icons - Active.png", 32, 32, [](Painter& p) { helpIcon(p, true); }},
        {"Map Selection Bar Help Icons - Inactive.png", 32, 32, [](Painter& p) { helpIcon(p, false); }},
    };
    for (const OverlayLook& look : looks()) {
        const std::string name = look.name;
        all.push_back({"Map Selection Maps - " + name + ".png", 320, 199, [&look](Painter& p) { preview(p, look); }});
        all.push_back(
            {"Map Selection Bar Icons - " + name + ".png", 40, 36, [&look](Painter& p) { barIcon(p, look); }});
        all.push_back({"Map - " + name + " Legend.png", 216, 39, [&look](Painter& p) { legend(p, look); }});
    }
    return all;
}

[[maybe_unused]] const bool registered = registerFamily("older tile map", pieces());

}  // namespace
}  // namespace artwork
