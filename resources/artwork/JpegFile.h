#pragma once

#include <string>

#include "platform/gfx/Image.h"

namespace artwork {

// Writes an opaque picture as a baseline JPEG file (libjpeg) at the given quality; false when it cannot.
bool writeJpeg(const platform::gfx::Image& image, const std::string& path, int quality = 88);

}  // namespace artwork
