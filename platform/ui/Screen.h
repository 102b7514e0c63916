#pragma once

#include "platform/ui/Geometry.h"

namespace platform::ui {

// The device's screen at one pixel per point: a phone's 320 x 480 points unless made a pad's 768 x 1024
// (the runner and tests choose; Application::resetShared() goes back to the phone's).
class Screen {
public:
    static constexpr double kWidth = 320.0;  // the phone's
    static constexpr double kHeight = 480.0;
    static constexpr Size kPhoneSize{kWidth, kHeight};
    static constexpr Size kPadSize{768.0, 1024.0};

    static Size size();
    static void setSize(Size size);
    static Rect bounds() { return Rect(Point{}, size()); }
    // The bounds less the status bar when it is shown.
    static Rect applicationFrame();
    static double scale() { return 1.0; }
};

}  // namespace platform::ui
