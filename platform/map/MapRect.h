#pragma once

#include <string>

namespace platform::map {

// The flat map is a square world of 2^28 by 2^28 map points: x grows eastwards from longitude -180, y grows
// southwards from the northern edge of the spherical Mercator projection (latitude 85.05112878).
inline constexpr double kMapWorldWidth = 268435456.0;

// A position on the flat map, in map points.
struct MapPoint {
    double x = 0.0;
    double y = 0.0;

    friend constexpr bool operator==(const MapPoint&, const MapPoint&) = default;
};

// A width and height in map points.
struct MapSize {
    double width = 0.0;
    double height = 0.0;

    friend constexpr bool operator==(const MapSize&, const MapSize&) = default;
};

// An origin and a size in map points. A rect may reach past the world's eastern edge (x beyond
// kMapWorldWidth) when it crosses the 180th meridian; the part beyond continues at the western edge.
struct MapRect {
    MapPoint origin;
    MapSize size;

    constexpr MapRect() = default;
    constexpr MapRect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    constexpr double minX() const { return origin.x; }
    constexpr double minY() const { return origin.y; }
    constexpr double maxX() const { return origin.x + size.width; }
    constexpr double maxY() const { return origin.y + size.height; }
    constexpr double midX() const { return origin.x + size.width / 2.0; }
    constexpr double midY() const { return origin.y + size.height / 2.0; }
    constexpr double width() const { return size.width; }
    constexpr double height() const { return size.height; }
    constexpr MapPoint center() const { return MapPoint{midX(), midY()}; }
    constexpr bool isEmpty() const { return !(size.width > 0.0) || !(size.height > 0.0); }

    // Half-open: the western and northern edges belong to the rect, the eastern and southern ones do not.
    constexpr bool contains(MapPoint point) const {
        return point.x >= minX() && point.x < maxX() && point.y >= minY() && point.y < maxY();
    }
    constexpr bool contains(const MapRect& other) const {
        return !other.isEmpty() && other.minX() >= minX() && other.maxX() <= maxX() && other.minY() >= minY() &&
               other.maxY() <= maxY();
    }
    constexpr bool intersects(const MapRect& other) const {
        return !isEmpty() && !other.isEmpty() && minX() < other.maxX() && other.minX() < maxX() &&
               minY() < other.maxY() && other.minY() < maxY();
    }
    // The common part; an empty rect when they do not meet.
    MapRect intersection(const MapRect& other) const;
    // The smallest rect holding both; an empty rect counts as nothing.
    MapRect unionWith(const MapRect& other) const;
    constexpr MapRect offsetBy(double dx, double dy) const {
        return MapRect{origin.x + dx, origin.y + dy, size.width, size.height};
    }

    // True when the rect reaches past the world's eastern edge.
    constexpr bool spansAntimeridian() const { return maxX() > kMapWorldWidth; }
    // The part past the eastern edge, moved to the western side of the world; empty when there is none.
    MapRect remainder() const;
    // True when this rect, or its part past the eastern edge moved west, meets the other.
    bool intersectsWrapped(const MapRect& other) const;
    bool containsWrapped(MapPoint point) const;

    // "{x, y, width, height}" in map points, rounded to whole points.
    std::string description() const;

    friend constexpr bool operator==(const MapRect&, const MapRect&) = default;
};

// The whole world.
inline constexpr MapRect kMapRectWorld{0.0, 0.0, kMapWorldWidth, kMapWorldWidth};
inline constexpr MapSize kMapSizeWorld{kMapWorldWidth, kMapWorldWidth};

}  // namespace platform::map
