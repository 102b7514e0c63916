#include "app/legacymaps/tiles/QOVTileSubView.h"

#include <cmath>

namespace qov {

namespace {
constexpr platform::gfx::Point kParkedOrigin{1000.0, 1000.0};
}

QOVTileSubView::QOVTileSubView(const platform::gfx::Rect& frame) : View(frame) {
    setBackgroundColor(platform::gfx::Color::clear());
    setClipsToBounds(false);
    setUserInteractionEnabled(false);
}

void QOVTileSubView::setTile(std::shared_ptr<QOVTile> tile) {
    if (m_tile) {
        m_tile->setRendering(false);
    }
    m_tile = std::move(tile);
    if (!m_tile) {
        setFrame(platform::gfx::Rect(kParkedOrigin, frame().size));
        return;
    }
    setNeedsDisplay();
}

bool QOVTileSubView::isInParentView(const platform::gfx::Rect& parent, const platform::gfx::AffineTransform& transform,
                                    const platform::gfx::Rect& tileRect) {
    return transform.apply(tileRect).intersects(parent);
}

bool QOVTileSubView::isInParentView(const platform::gfx::Rect& parent,
                                    const platform::gfx::AffineTransform& transform) const {
    return m_tile && isInParentView(parent, transform, m_tile->rect());
}

bool QOVTileSubView::moveView(const platform::gfx::Rect& parent, const platform::gfx::AffineTransform& transform) {
    if (m_tile) {
        // Whole points, so neighbouring tiles meet without a seam.
        const platform::gfx::Rect exact = transform.apply(m_tile->rect());
        const double left = std::round(exact.x());
        const double top = std::round(exact.y());
        const platform::gfx::Rect placed(left, top, std::round(exact.maxX()) - left, std::round(exact.maxY()) - top);
        setFrame(placed);
        if (placed.intersects(parent) && placed.width() <= kMaxSide && placed.height() <= kMaxSide) {
            return true;
        }
    }
    setTile(nullptr);
    setFrame(platform::gfx::Rect{});
    return false;
}

void QOVTileSubView::draw(platform::gfx::BitmapContext& context) const {
    if (m_tile && isVisibleOnScreen()) {
        m_tile->draw(context, bounds());
    }
}

}  // namespace qov
