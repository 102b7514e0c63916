#pragma once

#include "platform/map/Overlay.h"

namespace platform::map {

// A circle overlay: a centre and a radius in metres on the ground.
class Circle : public Overlay {
public:
    Circle(geo::Coordinate center, double radiusMetres);

    geo::Coordinate coordinate() const override { return m_center; }
    double radius() const { return m_radius; }
    // The square of map points around the circle; the circle is round on the map, as Mercator keeps shapes.
    MapRect boundingMapRect() const override;

private:
    geo::Coordinate m_center;
    double m_radius;
};

// Map points per metre on the ground at a latitude (the scale grows towards the poles).
double mapPointsPerMetreAtLatitude(double latitude);

}  // namespace platform::map
