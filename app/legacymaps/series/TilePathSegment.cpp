#include "app/legacymaps/series/TilePathSegment.h"

#include "app/core/categories/NSStringHelper.h"

namespace qov {

bool TilePathSegment::isAcceptable(std::string_view text) {
    return !text.empty() && text.find('/') == std::string_view::npos && text.find("..") == std::string_view::npos;
}

std::optional<std::string> TilePathSegment::encoded(std::string_view text) {
    if (!isAcceptable(text)) {
        return std::nullopt;
    }
    return NSStringHelper::urlEncoded(text);
}

}  // namespace qov
