#include "app/core/categories/MKMapViewCorbelt.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "platform/base/Log.h"
#include "platform/map/MapProjection.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

constexpr double kPi = std::numbers::pi;

// A pixel coordinate as the single-precision value it travels as; beyond float's range it saturates.
float toFloat(double value) {
    constexpr double kLimit = std::numeric_limits<float>::max();
    return static_cast<float>(std::isnan(value) ? value : std::clamp(value, -kLimit, kLimit));
}

}  // namespace

float MKMapViewCorbelt::longitudeToPixelSpaceX(double longitude) {
    return toFloat(std::round(platform::map::mercatorX(longitude, kPixelSpaceWidth)));
}

float MKMapViewCorbelt::latitudeToPixelSpaceY(double latitude) {
    return toFloat(std::round(platform::map::mercatorY(std::isnan(latitude) ? 0.0 : latitude, kPixelSpaceWidth)));
}

double MKMapViewCorbelt::pixelSpaceXToLongitude(float x) {
    return platform::map::longitudeForMercatorX(std::round(x), kPixelSpaceWidth);
}

double MKMapViewCorbelt::pixelSpaceYToLatitude(float y) {
    return platform::map::latitudeForMercatorY(std::round(y), kPixelSpaceWidth);
}

platform::map::CoordinateSpan MKMapViewCorbelt::coordinateSpanWithMapView(
    const platform::map::MapView& mapView, const platform::geo::Coordinate& centerCoordinate, unsigned zoomLevel) {
    const double centerX = longitudeToPixelSpaceX(centerCoordinate.longitude);
    const double centerY = latitudeToPixelSpaceY(centerCoordinate.latitude);
    if (zoomLevel < 1 || zoomLevel > 19) {
        QOV_LOG_ERROR("Zoom Level is invalid and will likely cause a crash!");
    }
    const unsigned level = std::clamp(zoomLevel, kMinZoomLevel, kMaxZoomLevel);
    const double scale = std::exp2(static_cast<double>(kMaxZoomLevelOfScale) - level);
    const double width = mapView.bounds().width() * scale;
    const double height = mapView.bounds().height() * scale;
    const double left = centerX - width / 2.0;
    const double top = std::clamp(centerY - height / 2.0, 0.0, kPixelSpaceWidth);
    const double bottom = std::clamp(centerY + height / 2.0, 0.0, kPixelSpaceWidth);
    const double longitudeDelta = pixelSpaceXToLongitude(toFloat(left + width)) - pixelSpaceXToLongitude(toFloat(left));
    const double latitudeDelta = -(pixelSpaceYToLatitude(toFloat(bottom)) - pixelSpaceYToLatitude(toFloat(top)));
    return platform::map::clampSpan(platform::map::CoordinateSpan{latitudeDelta, longitudeDelta});
}

void MKMapViewCorbelt::setCenterCoordinate(platform::map::MapView& mapView,
                                           const platform::geo::Coordinate& centerCoordinate, unsigned zoomLevel,
                                           bool animated) {
    const unsigned level = std::clamp(zoomLevel, kMinZoomLevel, kMaxZoomLevel);
    const platform::map::CoordinateSpan span = coordinateSpanWithMapView(mapView, centerCoordinate, level);
    mapView.setRegion(platform::map::CoordinateRegion{centerCoordinate, span}, animated);
}

unsigned MKMapViewCorbelt::currentZoomLevel(const platform::map::MapView& mapView) {
    const double pixelsPerPoint =
        mapView.region().span.longitudeDelta * kMercatorRadius * kPi / (180.0 * mapView.bounds().width());
    const double level = 21.0 - std::round(std::log2(pixelsPerPoint));
    if (std::isnan(level)) {
        return 0;
    }
    return static_cast<unsigned>(std::clamp(level, 0.0, static_cast<double>(kMaxZoomLevelOfScale)));
}

}  // namespace qov
