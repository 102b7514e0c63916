#pragma once

#include <memory>

#include "app/legacymaps/overlay/MapOverlayType.h"
#include "platform/ui/Device.h"

namespace qov {

// The overlay chooser's questions and answer, on the main thread: the orientation to lay the grid out for, the
// overlay chosen now, and the position the user picked.
class MapOverlayOptionViewDelegate {
public:
    virtual ~MapOverlayOptionViewDelegate() = default;
    virtual platform::ui::DeviceOrientation currentInterfaceOrientation() const = 0;
    virtual void overlaySelected(int index) = 0;
    virtual MapOverlayType::Ptr currentOverlay() const = 0;
};

}  // namespace qov
