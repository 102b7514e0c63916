#pragma once

#include "platform/map/MapView.h"

namespace qov {

// Two zoom measures of a map view for the map screens. Main thread (the map view's).
class MKMapViewQOV {
public:
    // View points per map point: the bounds width over the visible map rect's width; 0 when either has no
    // width.
    static float zoomScale(const platform::map::MapView& mapView);
    // log2 of how many 256-point tiles the world is wide at the region's longitude span. A zero span answers
    // the deepest tile level; a view without width answers 0.
    static float actualZoomLevel(const platform::map::MapView& mapView);
};

}  // namespace qov
