#include "platform/map/MapProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::map {
namespace {

constexpr double kDegreesToRadians = std::numbers::pi / 180.0;

double yForLatitude(double latitude) { return std::clamp(mercatorY(latitude, kMapWorldWidth), 0.0, kMapWorldWidth); }

double latitudeForY(double y) {
    return clampLatitude(latitudeForMercatorY(std::clamp(y, 0.0, kMapWorldWidth), kMapWorldWidth));
}

double xForLongitude(double longitude) { return mercatorX(wrapLongitude(longitude), kMapWorldWidth); }

// The northern edge latitude of a band latitudeDelta high whose edges lie equally far from the centre's y on
// the map. Bisection: the sum of the edges' y falls as the band moves north.
double northernEdgeAround(double centerLatitude, double latitudeDelta) {
    const double centerY = yForLatitude(centerLatitude);
    double low = centerLatitude;
    double high = centerLatitude + latitudeDelta;
    for (int step = 0; step < 64 && high - low > 1e-12; ++step) {
        const double north = (low + high) / 2.0;
        const double excess = yForLatitude(north) + yForLatitude(north - latitudeDelta) - 2.0 * centerY;
        (excess > 0.0 ? low : high) = north;
    }
    return (low + high) / 2.0;
}

}  // namespace

double clampLatitude(double latitude) { return std::clamp(latitude, -kMaxLatitude, kMaxLatitude); }

double mercatorX(double longitude, double worldSize) { return (longitude + 180.0) / 360.0 * worldSize; }

double mercatorY(double latitude, double worldSize) {
    const double sine = std::sin(clampLatitude(latitude) * kDegreesToRadians);
    return (0.5 - std::log((1.0 + sine) / (1.0 - sine)) / (4.0 * std::numbers::pi)) * worldSize;
}

double longitudeForMercatorX(double x, double worldSize) { return x / worldSize * 360.0 - 180.0; }

double latitudeForMercatorY(double y, double worldSize) {
    const double mercator = std::numbers::pi * (1.0 - 2.0 * y / worldSize);
    return (2.0 * std::atan(std::exp(mercator)) - std::numbers::pi / 2.0) / kDegreesToRadians;
}

double wrapLongitude(double longitude) {
    if (longitude >= -180.0 && longitude < 180.0) {
        return longitude;
    }
    const double wrapped = std::fmod(longitude + 180.0, 360.0);
    return (wrapped < 0.0 ? wrapped + 360.0 : wrapped) - 180.0;
}

MapPoint mapPointForCoordinate(const Coordinate& coordinate) {
    if (!std::isfinite(coordinate.latitude) || !std::isfinite(coordinate.longitude)) {
        return MapPoint{kMapWorldWidth / 2.0, kMapWorldWidth / 2.0};
    }
    return MapPoint{xForLongitude(coordinate.longitude), yForLatitude(coordinate.latitude)};
}

Coordinate coordinateForMapPoint(MapPoint point) {
    const double x = std::isfinite(point.x) ? point.x : kMapWorldWidth / 2.0;
    const double y = std::isfinite(point.y) ? point.y : kMapWorldWidth / 2.0;
    return Coordinate{latitudeForY(y), wrapLongitude(x / kMapWorldWidth * 360.0 - 180.0)};
}

CoordinateSpan clampSpan(const CoordinateSpan& span) {
    const auto clampDelta = [](double delta, double limit) {
        return std::isfinite(delta) ? std::clamp(delta, 0.0, limit) : (delta > 0.0 ? limit : 0.0);
    };
    return CoordinateSpan{clampDelta(span.latitudeDelta, 180.0), clampDelta(span.longitudeDelta, 360.0)};
}

MapRect mapRectForRegion(const CoordinateRegion& region) {
    const CoordinateSpan span = clampSpan(region.span);
    const MapPoint center = mapPointForCoordinate(region.center);
    const double width = span.longitudeDelta / 360.0 * kMapWorldWidth;
    const double north = northernEdgeAround(coordinateForMapPoint(center).latitude, span.latitudeDelta);
    const double top = yForLatitude(north);
    const double bottom = yForLatitude(north - span.latitudeDelta);
    const double left = center.x - width / 2.0;
    return MapRect{left < 0.0 ? left + kMapWorldWidth : left, top, width, bottom - top};
}

CoordinateRegion regionForMapRect(const MapRect& rect) {
    const double width = std::clamp(rect.width(), 0.0, kMapWorldWidth);
    const double latitudeDelta = latitudeForY(rect.minY()) - latitudeForY(rect.maxY());
    return CoordinateRegion{coordinateForMapPoint(rect.center()),
                            CoordinateSpan{std::max(latitudeDelta, 0.0), width / kMapWorldWidth * 360.0}};
}

}  // namespace platform::map
