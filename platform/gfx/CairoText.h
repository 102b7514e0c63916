#pragma once

#include <algorithm>
#include <string>

namespace platform::gfx {

// Cairo reads text up to its first NUL, and a NUL draws nothing: cairo is given the text without its NULs, so
// a NUL inside a service's text never cuts off what follows it. Answers the text itself when it holds no NUL
// (nearly always), else a copy without them made in scratch. Pure function, any thread.
inline const char* cairoText(const std::string& text, std::string& scratch) {
    if (text.find('\0') == std::string::npos) {
        return text.c_str();
    }
    scratch = text;
    scratch.erase(std::remove(scratch.begin(), scratch.end(), '\0'), scratch.end());
    return scratch.c_str();
}

}  // namespace platform::gfx
