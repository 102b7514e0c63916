#pragma once

#include "platform/map/MapView.h"

namespace qov {

// Whole zoom levels for the map view, through a Mercator "pixel space": a square plane of 2 x 2^28 pixels
// on which longitude and latitude map to x and y, and on which zoom level 20 shows one pixel per screen point.
// The map screens centre the map on a place at a level with it. Pure functions of their arguments and of the
// map view's region and bounds; main thread (the map view's).
class MKMapViewCorbelt {
public:
    static constexpr double kMercatorOffset = 268435456.0;
    static constexpr double kMercatorRadius = 85445659.44705395;
    // The zoom level at which one screen point is one pixel of the plane.
    static constexpr unsigned kMaxZoomLevelOfScale = 20;
    // Levels given to the span and centring operations are clamped to this range.
    static constexpr unsigned kMinZoomLevel = 1;
    static constexpr unsigned kMaxZoomLevel = 17;
    // The plane's width: the pixels of the map's Mercator (platform/map/MapProjection) at level 21.
    static constexpr double kPixelSpaceWidth = 2.0 * kMercatorOffset;

    // The map's Mercator (MapProjection's mercatorX and mercatorY) on the plane, rounded to whole pixels.
    static float longitudeToPixelSpaceX(double longitude);
    // Latitudes beyond platform::map::kMaxLatitude north or south count as that limit; not a number as 0.
    static float latitudeToPixelSpaceY(double latitude);
    static double pixelSpaceXToLongitude(float x);
    static double pixelSpaceYToLatitude(float y);

    // The span the map view shows around the centre at the zoom level (clamped to 1-17; a level outside 1-19
    // is logged as invalid first), limited to the world.
    static platform::map::CoordinateSpan coordinateSpanWithMapView(const platform::map::MapView& mapView,
                                                                   const platform::geo::Coordinate& centerCoordinate,
                                                                   unsigned zoomLevel);
    // Shows the centre at the zoom level (clamped to 1-17).
    static void setCenterCoordinate(platform::map::MapView& mapView, const platform::geo::Coordinate& centerCoordinate,
                                    unsigned zoomLevel, bool animated);
    // The zoom level of the region shown, within 0 to kMaxZoomLevelOfScale: a zero span counts as the closest
    // level, a view without width as level 0.
    static unsigned currentZoomLevel(const platform::map::MapView& mapView);
};

}  // namespace qov
