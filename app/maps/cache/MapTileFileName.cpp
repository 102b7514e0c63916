#include "app/maps/cache/MapTileFileName.h"

#include "app/maps/model/MapTileNames.h"

namespace qov {

std::optional<std::string> MapTileFileName::text() const {
    if (!MapTileNames::isTile(layer, seriesDate, masterSeriesDate, quadKey)) {
        return std::nullopt;
    }
    const std::string dates = masterSeriesDate ? *masterSeriesDate + "+" + seriesDate : seriesDate;
    return layer + "_" + dates + "_" + quadKey + std::string(kExtension);
}

std::optional<MapTileFileName> MapTileFileName::parse(std::string_view fileName) {
    if (!fileName.ends_with(kExtension)) {
        return std::nullopt;
    }
    fileName.remove_suffix(kExtension.size());
    const auto lastSeparator = fileName.rfind('_');
    if (lastSeparator == std::string_view::npos || lastSeparator == 0) {
        return std::nullopt;
    }
    const auto dateSeparator = fileName.rfind('_', lastSeparator - 1);
    if (dateSeparator == std::string_view::npos) {
        return std::nullopt;
    }
    MapTileFileName name;
    name.layer = fileName.substr(0, dateSeparator);
    name.quadKey = fileName.substr(lastSeparator + 1);
    const std::string_view dates = fileName.substr(dateSeparator + 1, lastSeparator - dateSeparator - 1);
    if (const auto plus = dates.find('+'); plus != std::string_view::npos) {
        name.masterSeriesDate = std::string(dates.substr(0, plus));
        name.seriesDate = dates.substr(plus + 1);
    } else {
        name.seriesDate = dates;
    }
    if (!name.text()) {
        return std::nullopt;
    }
    return name;
}

}  // namespace qov
