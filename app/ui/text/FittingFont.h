#pragma once

#include <string>

#include "platform/gfx/Font.h"

namespace qov {

// The face that shows the text whole on one line of the width: the bold system face at the largest size from
// pointSize down to minimumSize (in half points) that fits, else the condensed bold face the same way; when even
// that does not fit, the condensed bold face at minimumSize.
platform::gfx::Font fittingBoldFont(const std::string& text, double width, double pointSize, double minimumSize);

}  // namespace qov
