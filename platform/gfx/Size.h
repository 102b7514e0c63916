#pragma once

namespace platform::gfx {

// A width and height in points.
struct Size {
    double width = 0.0;
    double height = 0.0;

    friend constexpr bool operator==(const Size&, const Size&) = default;
};

}  // namespace platform::gfx
