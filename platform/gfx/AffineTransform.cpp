#include "platform/gfx/AffineTransform.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace platform::gfx {

bool AffineTransform::isInvertible() const {
    const double determinant = a * d - b * c;
    return std::isfinite(determinant) && determinant != 0.0;
}

AffineTransform AffineTransform::inverted() const {
    if (!isInvertible()) {
        return *this;
    }
    const double determinant = a * d - b * c;
    const double ia = d / determinant;
    const double ib = -b / determinant;
    const double ic = -c / determinant;
    const double id = a / determinant;
    return {ia, ib, ic, id, -(tx * ia + ty * ic), -(tx * ib + ty * id)};
}

Rect AffineTransform::apply(const Rect& rect) const {
    const std::array<Point, 4> corners{apply(rect.origin), apply(Point{rect.maxX(), rect.y()}),
                                       apply(Point{rect.x(), rect.maxY()}), apply(Point{rect.maxX(), rect.maxY()})};
    double left = corners[0].x;
    double right = corners[0].x;
    double top = corners[0].y;
    double bottom = corners[0].y;
    for (const Point& corner : corners) {
        left = std::min(left, corner.x);
        right = std::max(right, corner.x);
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    return Rect{left, top, right - left, bottom - top};
}

}  // namespace platform::gfx
