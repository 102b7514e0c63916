#pragma once

#include "platform/gfx/Color.h"

namespace qov {

// The blue of the older tile map's chooser: the chosen overlay's title strip and every preview's backing.
struct LegacyMapColors {
    static constexpr platform::gfx::Color selectionBlue() { return platform::gfx::Color::rgba(0.1, 0.35, 0.75); }
};

}  // namespace qov
