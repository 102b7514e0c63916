#pragma once

namespace platform::gfx {

// Distances inward from each edge of a rectangle (stretchable image caps, content insets).
struct EdgeInsets {
    double top = 0.0;
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;

    friend constexpr bool operator==(const EdgeInsets&, const EdgeInsets&) = default;
};

}  // namespace platform::gfx
