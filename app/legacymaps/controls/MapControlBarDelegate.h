#pragma once

#include <memory>

#include "app/legacymaps/overlay/MapOverlayType.h"

namespace qov {

// What the older tile map's control bar asks of the screen that shows it, on the main thread.
class MapControlBarDelegate {
public:
    virtual ~MapControlBarDelegate() = default;
    virtual void animateFuture(bool future) = 0;
    virtual void overlayAnimated(bool animated) = 0;
    virtual void overlaySelected(const MapOverlayType::Ptr& type) = 0;
    virtual void poiChanged() = 0;
};

}  // namespace qov
