#include "platform/map/MapRect.h"

#include <algorithm>

#include <fmt/format.h>

namespace platform::map {

MapRect MapRect::intersection(const MapRect& other) const {
    const double left = std::max(minX(), other.minX());
    const double top = std::max(minY(), other.minY());
    const double right = std::min(maxX(), other.maxX());
    const double bottom = std::min(maxY(), other.maxY());
    if (!(right > left) || !(bottom > top)) {
        return MapRect{};
    }
    return MapRect{left, top, right - left, bottom - top};
}

MapRect MapRect::unionWith(const MapRect& other) const {
    if (isEmpty()) {
        return other;
    }
    if (other.isEmpty()) {
        return *this;
    }
    const double left = std::min(minX(), other.minX());
    const double top = std::min(minY(), other.minY());
    return MapRect{left, top, std::max(maxX(), other.maxX()) - left, std::max(maxY(), other.maxY()) - top};
}

MapRect MapRect::remainder() const {
    if (!spansAntimeridian() || isEmpty()) {
        return MapRect{};
    }
    const double left = std::max(minX(), kMapWorldWidth) - kMapWorldWidth;
    return MapRect{left, minY(), maxX() - kMapWorldWidth - left, size.height};
}

bool MapRect::intersectsWrapped(const MapRect& other) const {
    return intersects(other) || remainder().intersects(other) || intersects(other.remainder());
}

bool MapRect::containsWrapped(MapPoint point) const {
    return contains(point) || remainder().contains(point) || contains(MapPoint{point.x + kMapWorldWidth, point.y});
}

std::string MapRect::description() const {
    return fmt::format("{{{:.0f}, {:.0f}, {:.0f}, {:.0f}}}", origin.x, origin.y, size.width, size.height);
}

}  // namespace platform::map
