#pragma once

#include "platform/map/CoordinateRegion.h"
#include "platform/map/MapRect.h"

namespace platform::map {

// Spherical Mercator between coordinates and map points. Latitudes are clamped to the projection's limits
// (kMaxLatitude north and south: the latitude of a square world's edge), longitudes wrap around the world. Pure
// functions, callable from any thread. The map's own geometry, the map screens' zoom-level category and the
// older map's tile pixels all project through the four mercator functions below, with this one limit.
inline constexpr double kMaxLatitude = 85.05112878;

double clampLatitude(double latitude);

// Web Mercator on a square plane worldSize units wide (map points, or the pixels of one tile level): x east from
// longitude -180, y south from the northern edge. mercatorX neither wraps nor clamps the longitude; mercatorY
// clamps the latitude to kMaxLatitude (so a pole lies on the plane's edge). The inverses take any x and y.
double mercatorX(double longitude, double worldSize);
double mercatorY(double latitude, double worldSize);
double longitudeForMercatorX(double x, double worldSize);
double latitudeForMercatorY(double y, double worldSize);
// A longitude moved into [-180, 180) by whole turns.
double wrapLongitude(double longitude);

// A coordinate that is not a finite number maps to the point of latitude 0, longitude 0.
MapPoint mapPointForCoordinate(const Coordinate& coordinate);
// Points north or south of the world answer the limit latitude; x wraps to a longitude in [-180, 180).
Coordinate coordinateForMapPoint(MapPoint point);

// The span clamped to the world: latitude delta within [0, 180], longitude delta within [0, 360].
CoordinateSpan clampSpan(const CoordinateSpan& span);

// The map rect a region covers: centred on the map point of the region's centre, as wide as the longitude
// span, and as high as needed for its northern and southern edges to be the latitude span apart (so the
// centre stays in the middle of the rect). A rect crossing the 180th meridian reaches past the eastern edge;
// one reaching past a pole is clamped to the world.
MapRect mapRectForRegion(const CoordinateRegion& region);
// The inverse: the coordinate at the rect's centre, the latitudes between its northern and southern edges
// and the longitudes across its width (at most 360).
CoordinateRegion regionForMapRect(const MapRect& rect);

}  // namespace platform::map
