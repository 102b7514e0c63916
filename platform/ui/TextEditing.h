#pragma once

#include <cstddef>
#include <string>

namespace platform::ui {

// The number of bytes of the last character of UTF-8 text (its last code point; a stray byte counts as one),
// 0 for empty text: what the keyboard's backspace removes.
inline std::size_t lastCharacterLength(const std::string& text) {
    std::size_t length = 0;
    while (length < text.size() && length < 4) {
        ++length;
        const auto byte = static_cast<unsigned char>(text[text.size() - length]);
        if ((byte & 0xC0) != 0x80) {
            return length;
        }
    }
    return text.empty() ? 0 : 1;
}

}  // namespace platform::ui
