#pragma once

#include "platform/map/Annotation.h"
#include "platform/map/MapProjection.h"

namespace platform::map {

// Something drawn over an area of the map by an OverlayView: it tells the map rect it covers, so that the map
// view asks for drawing only where it can show. Its coordinate is the centre of that rect unless a subclass
// says otherwise. Held by std::shared_ptr. Main thread only.
class Overlay : public Annotation {
public:
    virtual MapRect boundingMapRect() const = 0;
    // Whether the overlay may show anything in the rect (its bounding rect meets it, across the 180th meridian
    // too). Subclasses with holes may answer more precisely.
    virtual bool intersectsMapRect(const MapRect& rect) const { return boundingMapRect().intersectsWrapped(rect); }
    geo::Coordinate coordinate() const override { return coordinateForMapPoint(boundingMapRect().center()); }
};

}  // namespace platform::map
