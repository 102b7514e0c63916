#pragma once

#include <memory>

#include "app/legacymaps/tiles/QOVTile.h"
#include "platform/gfx/AffineTransform.h"
#include "platform/ui/View.h"

namespace qov {

// The small view that shows one tile inside the tile layer view. Idle sub-views (without a tile) wait at
// (1000, 1000) or with a zero frame for reuse. It takes no touches and does not clip. Main thread only.
class QOVTileSubView : public platform::ui::View {
public:
    // The largest frame, either way, a sub-view may take before it lets its tile go.
    static constexpr double kMaxSide = 2048.0;

    explicit QOVTileSubView(const platform::gfx::Rect& frame);

    bool isInUse() const { return m_tile != nullptr; }
    const std::shared_ptr<QOVTile>& tile() const { return m_tile; }
    // The old tile stops rendering; without a tile the view moves to (1000, 1000) keeping its size.
    void setTile(std::shared_ptr<QOVTile> tile);

    // Whether the tile rect mapped through the transform meets the parent's area (partly shown tiles count).
    static bool isInParentView(const platform::gfx::Rect& parent, const platform::gfx::AffineTransform& transform,
                               const platform::gfx::Rect& tileRect);
    bool isInParentView(const platform::gfx::Rect& parent, const platform::gfx::AffineTransform& transform) const;
    // Takes its tile's rect mapped through the transform (edges rounded to whole points) as its frame and answers true
    // when that meets the parent's area and is at most kMaxSide wide and high; otherwise lets its tile go, takes a zero
    // frame and answers false.
    bool moveView(const platform::gfx::Rect& parent, const platform::gfx::AffineTransform& transform);

    // The tile's picture over the bounds.
    void draw(platform::gfx::BitmapContext& context) const override;

private:
    std::shared_ptr<QOVTile> m_tile;
};

}  // namespace qov
