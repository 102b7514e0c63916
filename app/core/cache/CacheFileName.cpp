#include "app/core/cache/CacheFileName.h"

#include <fmt/format.h>

namespace qov {

std::string CacheFileName::encode(const std::string& name) {
    std::string encoded;
    encoded.reserve(name.size());
    for (std::size_t index = 0; index < name.size(); ++index) {
        const auto character = static_cast<unsigned char>(name[index]);
        const bool escaped = character == '/' || character == '\\' || character == '%' || character < 0x20 ||
                             character == 0x7F || (character == '.' && index == 0);
        if (escaped) {
            encoded += fmt::format("%{:02X}", character);
        } else {
            encoded += static_cast<char>(character);
        }
    }
    return encoded;
}

}  // namespace qov
