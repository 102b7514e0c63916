#pragma once

#include "platform/gfx/Point.h"
#include "platform/gfx/Rect.h"

namespace platform::gfx {

// A 2D affine transform: a point (x, y) maps to (a x + c y + tx, b x + d y + ty). Transforms are values;
// they combine in the order they are written: translation(...).thenScale(...) first translates, then scales.
struct AffineTransform {
    double a = 1.0;
    double b = 0.0;
    double c = 0.0;
    double d = 1.0;
    double tx = 0.0;
    double ty = 0.0;

    static constexpr AffineTransform identity() { return AffineTransform{}; }
    static constexpr AffineTransform translation(double dx, double dy) { return {1.0, 0.0, 0.0, 1.0, dx, dy}; }
    static constexpr AffineTransform scaling(double sx, double sy) { return {sx, 0.0, 0.0, sy, 0.0, 0.0}; }

    // This transform followed by next.
    constexpr AffineTransform then(const AffineTransform& next) const {
        return {a * next.a + b * next.c,
                a * next.b + b * next.d,
                c * next.a + d * next.c,
                c * next.b + d * next.d,
                tx * next.a + ty * next.c + next.tx,
                tx * next.b + ty * next.d + next.ty};
    }
    constexpr AffineTransform thenTranslate(double dx, double dy) const { return then(translation(dx, dy)); }
    constexpr AffineTransform thenScale(double sx, double sy) const { return then(scaling(sx, sy)); }

    constexpr bool isIdentity() const { return *this == identity(); }
    // Whether the transform can be undone: its determinant is a finite number other than 0.
    bool isInvertible() const;
    // The transform that undoes this one; one that cannot be undone answers itself unchanged.
    AffineTransform inverted() const;

    constexpr Point apply(Point point) const {
        return Point{a * point.x + c * point.y + tx, b * point.x + d * point.y + ty};
    }
    // The smallest rectangle holding the four mapped corners (a mirrored rectangle comes out upright).
    Rect apply(const Rect& rect) const;

    friend constexpr bool operator==(const AffineTransform&, const AffineTransform&) = default;
};

}  // namespace platform::gfx
