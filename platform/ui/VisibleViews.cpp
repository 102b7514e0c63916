#include "platform/ui/VisibleViews.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Application.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

// Maps a view's own (bounds) coordinates to the screen: x' = a x + c y + tx, y' = b x + d y + ty.
struct Placement {
    double a = 1.0, b = 0.0, c = 0.0, d = 1.0, tx = 0.0, ty = 0.0;

    Point apply(Point point) const { return {a * point.x + c * point.y + tx, b * point.x + d * point.y + ty}; }

    // This placement after the inner one (inner maps into this one's coordinates).
    Placement after(const Placement& inner) const {
        return {a * inner.a + c * inner.b, b * inner.a + d * inner.b,        a * inner.c + c * inner.d,
                b * inner.c + d * inner.d, a * inner.tx + c * inner.ty + tx, b * inner.tx + d * inner.ty + ty};
    }

    Rect boundingBox(const Rect& rect) const {
        const Point corners[] = {apply(rect.origin), apply({rect.maxX(), rect.y()}), apply({rect.x(), rect.maxY()}),
                                 apply({rect.maxX(), rect.maxY()})};
        double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
        for (const Point& corner : corners) {
            minX = std::min(minX, corner.x);
            maxX = std::max(maxX, corner.x);
            minY = std::min(minY, corner.y);
            maxY = std::max(maxY, corner.y);
        }
        return Rect(snapped(minX), snapped(minY), snapped(maxX - minX), snapped(maxY - minY));
    }

    // Keeps the round-off of rotations out of whole-point frames.
    static double snapped(double value) {
        const double whole = std::round(value);
        return std::abs(value - whole) < 1e-9 ? whole : value;
    }
};

double snappedTrig(double value) { return std::abs(value) < 1e-12 ? 0.0 : Placement::snapped(value); }

// The view's bounds coordinates in its superview's: about its centre, turned by its rotation.
Placement localPlacement(const View& view) {
    const Rect bounds = view.bounds();
    const double cosine = snappedTrig(std::cos(view.rotation()));
    const double sine = snappedTrig(std::sin(view.rotation()));
    const double originX = -bounds.x() - bounds.width() / 2.0;
    const double originY = -bounds.y() - bounds.height() / 2.0;
    return {cosine,
            sine,
            -sine,
            cosine,
            cosine * originX - sine * originY + view.center().x,
            sine * originX + cosine * originY + view.center().y};
}

bool isOpaque(const View& view, double alpha) { return alpha >= 1.0 && view.backgroundColor().alpha >= 1.0; }

class Walk {
public:
    explicit Walk(bool includeClippedOut = false) : m_includeClippedOut(includeClippedOut) {}

    void visit(View& view, const Placement& parent, const Rect& clip, int depth, bool touchable, double alpha) {
        if (view.isHidden() || view.alpha() <= 0.0) {
            return;
        }
        const Placement placement = parent.after(localPlacement(view));
        const Rect frame = placement.boundingBox(view.bounds());
        const Rect visible = frame.intersection(clip);
        touchable = touchable && view.isUserInteractionEnabled();
        alpha *= view.alpha();
        const std::size_t index = m_views.size();
        const bool shown = m_includeClippedOut || !visible.isEmpty();
        if (shown) {
            m_views.push_back(VisibleView{std::static_pointer_cast<View>(view.shared_from_this()), frame, visible,
                                          depth, touchable, false});
            m_opaque.push_back(isOpaque(view, alpha));
        } else if (view.clipsToBounds() && !m_includeClippedOut) {
            return;
        }
        const Rect childClip = view.clipsToBounds() ? (visible.isEmpty() ? Rect() : visible) : clip;
        for (const auto& subview : std::vector(view.subviews())) {
            visit(*subview, placement, childClip, depth + 1, touchable, alpha);
        }
        m_subtreeEnd.resize(m_views.size(), 0);
        if (shown) {
            m_subtreeEnd[index] = m_views.size();
        }
    }

    // Marks views that an opaque view drawn after their own subtree hides entirely.
    std::vector<VisibleView> finish() {
        m_subtreeEnd.resize(m_views.size(), 0);
        for (std::size_t index = 0; index < m_views.size(); ++index) {
            const Rect& visible = m_views[index].visible;
            if (visible.isEmpty()) {
                continue;
            }
            for (std::size_t later = std::max(m_subtreeEnd[index], index + 1); later < m_views.size(); ++later) {
                const Rect& cover = m_views[later].visible;
                if (m_opaque[later] && cover.x() <= visible.x() && cover.y() <= visible.y() &&
                    cover.maxX() >= visible.maxX() && cover.maxY() >= visible.maxY()) {
                    m_views[index].covered = true;
                    break;
                }
            }
        }
        return std::move(m_views);
    }

private:
    bool m_includeClippedOut;
    std::vector<VisibleView> m_views;
    std::vector<bool> m_opaque;
    std::vector<std::size_t> m_subtreeEnd;  // one past the last view of each view's subtree
};

}  // namespace

std::vector<VisibleView> VisibleViews::onScreen(bool includeClippedOut) {
    Walk walk(includeClippedOut);
    const Rect screen = Screen::bounds();
    if (auto window = Application::shared().keyWindow(); window && !window->isHidden()) {
        window->layoutIfNeeded();
        const Placement placement = localPlacement(*window);
        for (const auto& layer : window->visibleSubviews()) {
            walk.visit(*layer, placement, screen, 0, window->isUserInteractionEnabled(), window->alpha());
        }
    }
    for (const auto& popup : std::vector(PopupRegistry::shared().visible())) {
        popup->layoutIfNeeded();
        walk.visit(*popup, Placement{}, screen, 0, true, 1.0);
    }
    return walk.finish();
}

std::vector<VisibleView> VisibleViews::ofTree(View& view) {
    view.layoutIfNeeded();
    Placement parent;
    for (auto ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
        parent = localPlacement(*ancestor).after(parent);
    }
    Walk walk;
    walk.visit(view, parent, Screen::bounds(), 0, true, 1.0);
    return walk.finish();
}

}  // namespace platform::ui
