#pragma once

#include "platform/gfx/EdgeInsets.h"
#include "platform/gfx/Point.h"
#include "platform/gfx/Rect.h"
#include "platform/gfx/Size.h"

namespace platform::ui {

// The user-interface layer works in the drawing layer's geometry.
using gfx::EdgeInsets;
using gfx::Point;
using gfx::Rect;
using gfx::Size;

}  // namespace platform::ui
