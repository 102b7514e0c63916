#pragma once

#include <algorithm>
#include <string>

namespace platform::gfx {

// Cairo reads text up to its first NUL, and a NUL draws nothing: cairo is given the text without its NULs, so
// a NUL inside a service's text never cuts off what follows it. Pure function, any thread.
inline std::string cairoText(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

}  // namespace platform::gfx
