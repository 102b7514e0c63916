#include "platform/map/Circle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::map {
namespace {

// The equatorial radius of the spherical Mercator earth.
constexpr double kEarthRadiusMetres = 6378137.0;

}  // namespace

Circle::Circle(geo::Coordinate center, double radiusMetres)
    : m_center(center), m_radius(std::isfinite(radiusMetres) ? std::max(radiusMetres, 0.0) : 0.0) {}

MapRect Circle::boundingMapRect() const {
    const MapPoint center = mapPointForCoordinate(m_center);
    const double half = std::min(m_radius * mapPointsPerMetreAtLatitude(m_center.latitude), kMapWorldWidth / 2.0);
    const double left = center.x - half;
    return MapRect{left < 0.0 ? left + kMapWorldWidth : left, center.y - half, 2.0 * half, 2.0 * half};
}

double mapPointsPerMetreAtLatitude(double latitude) {
    const double circumference = 2.0 * std::numbers::pi * kEarthRadiusMetres;
    const double latitudeRadians = clampLatitude(std::isfinite(latitude) ? latitude : 0.0) * std::numbers::pi / 180.0;
    return kMapWorldWidth / circumference / std::cos(latitudeRadians);
}

}  // namespace platform::map
