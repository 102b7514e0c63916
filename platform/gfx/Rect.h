#pragma once

#include <algorithm>
#include <string>

#include "platform/gfx/EdgeInsets.h"
#include "platform/gfx/Point.h"
#include "platform/gfx/Size.h"

namespace platform::gfx {

// An origin and a size in points; y grows downwards.
struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(Point origin, Size size) : origin(origin), size(size) {}
    constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    constexpr double x() const { return origin.x; }
    constexpr double y() const { return origin.y; }
    constexpr double width() const { return size.width; }
    constexpr double height() const { return size.height; }
    constexpr double maxX() const { return origin.x + size.width; }
    constexpr double maxY() const { return origin.y + size.height; }
    constexpr double midX() const { return origin.x + size.width / 2.0; }
    constexpr double midY() const { return origin.y + size.height / 2.0; }
    constexpr Point center() const { return Point{midX(), midY()}; }
    constexpr bool isEmpty() const { return size.width <= 0.0 || size.height <= 0.0; }

    constexpr bool contains(Point point) const {
        return point.x >= origin.x && point.x < maxX() && point.y >= origin.y && point.y < maxY();
    }
    constexpr bool intersects(const Rect& other) const {
        return !isEmpty() && !other.isEmpty() && origin.x < other.maxX() && other.origin.x < maxX() &&
               origin.y < other.maxY() && other.origin.y < maxY();
    }
    // The common part of both rectangles; an empty rectangle when they do not meet.
    constexpr Rect intersection(const Rect& other) const {
        const double left = std::max(origin.x, other.origin.x);
        const double top = std::max(origin.y, other.origin.y);
        const double right = std::min(maxX(), other.maxX());
        const double bottom = std::min(maxY(), other.maxY());
        if (right <= left || bottom <= top) {
            return Rect{};
        }
        return Rect{left, top, right - left, bottom - top};
    }
    constexpr Rect offsetBy(double dx, double dy) const {
        return Rect{origin.x + dx, origin.y + dy, size.width, size.height};
    }
    constexpr Rect insetBy(double dx, double dy) const {
        return Rect{origin.x + dx, origin.y + dy, size.width - 2.0 * dx, size.height - 2.0 * dy};
    }
    constexpr Rect inset(const EdgeInsets& insets) const {
        return Rect{origin.x + insets.left, origin.y + insets.top, size.width - insets.left - insets.right,
                    size.height - insets.top - insets.bottom};
    }

    // "{x, y, width, height}" with integral values written without decimals.
    std::string description() const;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace platform::gfx
