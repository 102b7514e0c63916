#include "app/maps/model/MapTileNames.h"

#include <algorithm>

namespace qov {

namespace {

bool isAsciiAlphanumeric(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

bool MapTileNames::isLayerType(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return isAsciiAlphanumeric(c) || c == '_'; });
}

bool MapTileNames::isSeriesDate(std::string_view text) {
    return !text.empty() && text != "." && text != ".." &&
           std::all_of(text.begin(), text.end(), [](char c) { return isAsciiAlphanumeric(c) || c == '.' || c == '-'; });
}

bool MapTileNames::isQuadKey(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '3'; });
}

bool MapTileNames::isTile(std::string_view layer, std::string_view seriesDate,
                          const std::optional<std::string>& masterSeriesDate, std::string_view quadKey) {
    return isLayerType(layer) && isSeriesDate(seriesDate) && isQuadKey(quadKey) &&
           (!masterSeriesDate || isSeriesDate(*masterSeriesDate));
}

}  // namespace qov
