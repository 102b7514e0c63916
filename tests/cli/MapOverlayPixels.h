#pragma once

#include <algorithm>

#include "platform/gfx/Image.h"

namespace qovtest {

// Pixels of a phone screen's map area that a weather layer colours, radar included (green to red: the base map's
// beige land, blue water and grey coasts are never that far from blue). Every second pixel of every second row.
inline int mapOverlayPixels(const platform::gfx::Image& shot) {
    int count = 0;
    for (int y = 100; y < 370; y += 2) {
        for (int x = 0; x < shot.width(); x += 2) {
            const auto colour = shot.pixel(x, y);
            count += std::max(colour.red, colour.green) - colour.blue > 0.25 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace qovtest
