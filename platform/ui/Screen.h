#pragma once

#include "platform/ui/Geometry.h"

namespace platform::ui {

// The device's screen: 320 x 480 points at one pixel per point.
class Screen {
public:
    static constexpr double kWidth = 320.0;
    static constexpr double kHeight = 480.0;

    static Rect bounds() { return Rect(0.0, 0.0, kWidth, kHeight); }
    // The bounds less the status bar when it is shown.
    static Rect applicationFrame();
    static double scale() { return 1.0; }
};

}  // namespace platform::ui
