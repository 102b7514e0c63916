// The map options' row icons, 30 x 30 pixels on a transparent ground: one per layer and per kind of point of
// interest.

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

const Color kInk = Color::rgba(0.2, 0.22, 0.26);
const Color kCloud = Color::white(0.68);
const Color kRadarGreen = Color::rgba(0.2, 0.7, 0.2);
const Color kRadarYellow = Color::rgba(1.0, 0.85, 0.1);
const Color kRadarRed = Color::rgba(0.85, 0.1, 0.1);
const Color kWater = Color::rgba(0.25, 0.55, 0.95);

void radarBlob(Painter& p) {
    p.fillCircle(15, 15, 12, kRadarGreen);
    p.fillCircle(16, 14, 7, kRadarYellow);
    p.fillCircle(17, 13, 3, kRadarRed);
}

void clouds(Painter& p) { p.fillCloud(2, 6, 26, 18, kCloud.withAlpha(1.0)); }

void cloudsAndRadar(Painter& p) {
    p.fillCircle(11, 18, 9, kRadarGreen);
    p.fillCircle(12, 18, 4, kRadarYellow);
    p.fillCloud(8, 3, 21, 15, Color::white(0.9, 0.9));
}

void thermometer(Painter& p, const Color& mercury) {
    p.fillRoundedRect(12, 3, 6, 19, 3, Color::white(0.9));
    p.fillCircle(15, 23, 5, Color::white(0.9));
    p.fillRoundedRect(13.5, 9, 3, 13, 1.5, mercury);
    p.fillCircle(15, 23, 3.5, mercury);
}

void temperature(Painter& p) { thermometer(p, kRadarRed); }
void feelsLike(Painter& p) {
    thermometer(p, Color::rgba(1.0, 0.55, 0.05));
    p.strokePolyline({21, 8, 26, 8}, kInk, 1.5);
    p.strokePolyline({21, 12, 25, 12}, kInk, 1.5);
}

void rainfall(Painter& p) {
    p.fillCloud(3, 3, 24, 14, kCloud);
    for (const double x : {9.0, 15.0, 21.0}) {
        p.strokePolyline({x, 19, x - 2, 26}, kWater, 2.0);
    }
}

void snowfall(Painter& p) {
    p.fillCloud(3, 3, 24, 14, kCloud);
    for (const double x : {9.0, 15.0, 21.0}) {
        p.fillCircle(x, 23, 2.2, Color::rgba(0.55, 0.7, 1.0));
    }
}

void ultraviolet(Painter& p) {
    p.fillCircle(15, 15, 9, Color::rgba(0.6, 0.2, 0.75));
    p.text("UV", 6, 8, 18, 14, 10, true, Color::white());
}

void none(Painter& p) {
    p.strokeCircle(15, 15, 10, kInk, 2.5);
    p.strokePolyline({8, 22, 22, 8}, kInk, 2.5);
}

void cities(Painter& p) {
    p.fillRoundedRect(4, 12, 7, 15, 0, kInk);
    p.fillRoundedRect(12, 5, 7, 22, 0, kInk);
    p.fillRoundedRect(20, 15, 6, 12, 0, kInk);
}

void schools(Painter& p) {
    p.fillPolygon({3, 13, 15, 5, 27, 13}, kRadarRed);
    p.fillRoundedRect(6, 13, 18, 13, 0, Color::rgba(0.75, 0.3, 0.2));
    p.fillRoundedRect(13, 18, 4, 8, 0, Color::white(0.9));
}

void airports(Painter& p) {
    p.fillPolygon({15, 2, 17, 10, 28, 17, 17, 15, 17, 23, 21, 27, 9, 27, 13, 23, 13, 15, 2, 17, 13, 10}, kInk);
}

void parks(Painter& p) {
    p.fillPolygon({15, 3, 25, 21, 5, 21}, kRadarGreen);
    p.fillRoundedRect(13, 21, 4, 6, 0, Color::rgba(0.45, 0.3, 0.15));
}

void golf(Painter& p) {
    p.strokePolyline({11, 4, 11, 26}, kInk, 2.0);
    p.fillPolygon({11, 4, 23, 8, 11, 12}, kRadarRed);
    p.fillCircle(19, 24, 3, Color::white(0.7));
}

void lakes(Painter& p) {
    p.fillCircle(15, 16, 11, kWater);
    p.strokePolyline({8, 15, 12, 13, 16, 15, 20, 13}, Color::white(0.9), 1.5);
}

Piece icon(const char* file, void (*paint)(Painter&)) { return {file, 30, 30, paint}; }

[[maybe_unused]] const bool registered =
    registerFamily("map option icons",
                   {icon("radar.png", radarBlob), icon("clouds.png", clouds), icon("clouds_radar.png", cloudsAndRadar),
                    icon("temp.png", temperature), icon("feels.png", feelsLike), icon("rainfall.png", rainfall),
                    icon("snowfall.png", snowfall), icon("uv.png", ultraviolet), icon("none.png", none),
                    icon("cities.png", cities), icon("schools.png", schools), icon("airports.png", airports),
                    icon("parks.png", parks), icon("golf.png", golf), icon("lakes.png", lakes)});

}  // namespace
}  // namespace artwork
