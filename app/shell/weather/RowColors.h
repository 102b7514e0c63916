#pragma once

#include "platform/gfx/Color.h"

namespace qov {

// The theme's row colour of a table row: the odd-row colour for rows 0, 2, 4, ..., the even-row colour for
// rows 1, 3, 5, ...
platform::gfx::Color rowColorForRow(int row);

}  // namespace qov
