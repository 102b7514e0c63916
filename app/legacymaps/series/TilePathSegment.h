#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qov {

// Texts that become segments of a tile URL's path. Texts the server sends (layer names, unix dates) are
// refused when they could change the path's shape: empty, holding "/", or holding "..".
class TilePathSegment {
public:
    static bool isAcceptable(std::string_view text);
    // The text percent-encoded (letters, digits and "-._~" stay), or nullopt when it is not acceptable.
    static std::optional<std::string> encoded(std::string_view text);
};

}  // namespace qov
