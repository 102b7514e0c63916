#include "app/core/categories/MKMapViewQOV.h"

#include <cmath>

#include "platform/map/MapViewGrid.h"

namespace qov {

float MKMapViewQOV::zoomScale(const platform::map::MapView& mapView) {
    const double visibleWidth = mapView.visibleMapRect().width();
    const double boundsWidth = mapView.bounds().width();
    if (!(visibleWidth > 0.0) || !(boundsWidth > 0.0) || !std::isfinite(visibleWidth) || !std::isfinite(boundsWidth)) {
        return 0.0f;
    }
    return static_cast<float>(boundsWidth / visibleWidth);
}

float MKMapViewQOV::actualZoomLevel(const platform::map::MapView& mapView) {
    const double span = mapView.region().span.longitudeDelta;
    const double boundsWidth = mapView.bounds().width();
    if (!(boundsWidth > 0.0) || !std::isfinite(boundsWidth) || std::isnan(span)) {
        return 0.0f;
    }
    if (!(span > 0.0)) {
        return static_cast<float>(platform::map::MapViewGrid::kGrid.maxLevel());
    }
    return static_cast<float>(std::log2(360.0 / (span / boundsWidth) * (1.0 / 256.0)));
}

}  // namespace qov
