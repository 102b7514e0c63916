#pragma once

#include <memory>

#include "platform/gfx/Image.h"

namespace platform::ui {

// What a view draws before its own content: its background and contents image clipped to the bounds with
// rounded corners, then the contents image scaled to the bounds (over the background colour).
struct Layer {
    double cornerRadius = 0.0;
    std::shared_ptr<gfx::Image> contents;
};

}  // namespace platform::ui
