#pragma once

namespace platform::gfx {

enum class TextAlignment { Left = 0, Center = 1, Right = 2 };

}  // namespace platform::gfx
