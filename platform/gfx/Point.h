#pragma once

namespace platform::gfx {

// A position in points.
struct Point {
    double x = 0.0;
    double y = 0.0;

    constexpr Point operator+(const Point& other) const { return Point{x + other.x, y + other.y}; }
    constexpr Point operator-(const Point& other) const { return Point{x - other.x, y - other.y}; }
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

}  // namespace platform::gfx
