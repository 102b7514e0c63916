#include "app/legacymaps/tiles/QOVTileSubView.h"

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
        const platform::gfx::Rect placed = transform.apply(m_tile->rect());
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
