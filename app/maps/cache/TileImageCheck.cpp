#include "app/maps/cache/TileImageCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qov {

bool TileImageCheck::isWholePng(const platform::Data& data) {
    static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    static constexpr std::array<std::uint8_t, 12> kImageEnd{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82};
    return data.size() >= kSignature.size() + kImageEnd.size() &&
           std::equal(kSignature.begin(), kSignature.end(), data.begin()) &&
           std::equal(kImageEnd.begin(), kImageEnd.end(), data.end() - static_cast<std::ptrdiff_t>(kImageEnd.size()));
}

}  // namespace qov
