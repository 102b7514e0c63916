#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace platform {

// The unsigned big-endian number of width bytes (1 to 8) at bytes[at]; the caller has checked the bounds.
// Binary property lists store every number, offset and reference this way, mostly 1, 2, 4 or 8 bytes wide.
inline std::uint64_t readBigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    const char* source = bytes.data() + at;
    switch (width) {
        case 1: return static_cast<std::uint8_t>(*source);
        case 2: {
            std::uint16_t value;
            std::memcpy(&value, source, 2);
            return __builtin_bswap16(value);
        }
        case 4: {
            std::uint32_t value;
            std::memcpy(&value, source, 4);
            return __builtin_bswap32(value);
        }
        case 8: {
            std::uint64_t value;
            std::memcpy(&value, source, 8);
            return __builtin_bswap64(value);
        }
        default: {
            std::uint64_t value = 0;
            for (std::size_t index = 0; index < width; ++index) {
                value = (value << 8) | static_cast<std::uint8_t>(source[index]);
            }
            return value;
        }
    }
}

}  // namespace platform
