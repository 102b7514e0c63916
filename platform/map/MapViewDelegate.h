#pragma once

#include <memory>

namespace platform::map {

class Annotation;
class AnnotationView;
class MapView;
class Overlay;
class OverlayView;

// What a map view tells and asks its delegate (held weakly). Region changes are told synchronously around each
// change of the visible map rect, from the call that made it; a delegate that sets the region again from
// regionDidChangeAnimated makes a nested change. All calls run on the main thread.
class MapViewDelegate {
public:
    virtual ~MapViewDelegate() = default;

    virtual void regionWillChangeAnimated(MapView&, bool /*animated*/) {}
    virtual void regionDidChangeAnimated(MapView&, bool /*animated*/) {}
    // The view for an annotation coming into sight; nullptr has the map view use a red pin (a blue dot for
    // the user's location).
    virtual std::shared_ptr<AnnotationView> viewForAnnotation(MapView&, const std::shared_ptr<Annotation>&) {
        return nullptr;
    }
    // The view that draws an overlay; nullptr leaves the overlay undrawn.
    virtual std::shared_ptr<OverlayView> viewForOverlay(MapView&, const std::shared_ptr<Overlay>&) { return nullptr; }
    virtual void didSelectAnnotationView(MapView&, AnnotationView&) {}
    virtual void didDeselectAnnotationView(MapView&, AnnotationView&) {}
};

}  // namespace platform::map
