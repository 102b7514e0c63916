#include "platform/ui/ScriptTargets.h"

#include <algorithm>

#include "platform/ui/ScrollView.h"
#include "platform/ui/Slider.h"
#include "platform/ui/TableView.h"
#include "platform/ui/VisibleViews.h"

namespace platform::ui {

namespace {

bool takesTouches(const View& view) {
    for (auto each = std::static_pointer_cast<const View>(view.shared_from_this()); each; each = each->superview()) {
        if (each->respondsToTaps()) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::shared_ptr<View> ScriptTargets::find(const ScriptTarget& target, Reach reach) {
    std::vector<VisibleView> matches;
    for (auto& candidate : VisibleViews::onScreen(reach == Reach::Scrollable)) {
        const View& view = *candidate.view;
        const bool reachable = candidate.touchable && !candidate.covered &&
                               (reach == Reach::Scrollable || !candidate.visible.isEmpty()) &&
                               (reach != Reach::Touchable || takesTouches(view));
        if (reachable && (target.className.empty() || view.className() == target.className) &&
            (!target.text || view.offersTap(*target.text))) {
            matches.push_back(std::move(candidate));
        }
    }
    std::stable_sort(matches.begin(), matches.end(), [](const VisibleView& lhs, const VisibleView& rhs) {
        return lhs.frame.y() != rhs.frame.y() ? lhs.frame.y() < rhs.frame.y() : lhs.frame.x() < rhs.frame.x();
    });
    const auto index = static_cast<std::size_t>(target.ordinal - 1);
    return index < matches.size() ? matches[index].view : nullptr;
}

bool ScriptTargets::tap(View& touched, const std::string& text) {
    for (auto view = std::static_pointer_cast<View>(touched.shared_from_this()); view; view = view->superview()) {
        if (view->tapFrom(touched, text)) {
            return true;
        }
    }
    return false;
}

bool ScriptTargets::drag(View& touched, double dx, double dy) {
    if (auto* slider = dynamic_cast<Slider*>(&touched)) {
        slider->dragThumb(dx);
        return true;
    }
    for (auto view = std::static_pointer_cast<View>(touched.shared_from_this()); view; view = view->superview()) {
        if (auto table = std::dynamic_pointer_cast<TableView>(view); table && table->dragFrom(touched, dx, dy)) {
            return true;
        }
    }
    for (auto view = std::static_pointer_cast<View>(touched.shared_from_this()); view; view = view->superview()) {
        if (view->followDrag(dx, dy)) {
            return true;
        }
    }
    return false;
}

bool ScriptTargets::pinch(View& touched, double scale, Point around) {
    // The point in each ancestor's bounds: the same place in the window.
    const Rect touchedFrame = touched.frameInWindow();
    const Point inWindow{touchedFrame.x() + around.x - touched.bounds().x(),
                         touchedFrame.y() + around.y - touched.bounds().y()};
    for (auto view = std::static_pointer_cast<View>(touched.shared_from_this()); view; view = view->superview()) {
        const Rect frame = view->frameInWindow();
        const Point inside{inWindow.x - frame.x() + view->bounds().x(), inWindow.y - frame.y() + view->bounds().y()};
        if (view->followPinch(scale, inside)) {
            return true;
        }
    }
    return false;
}

bool ScriptTargets::tap(View& touched, const std::string& text, const TapGesture& gesture) {
    if (gesture.isSingleTap()) {
        return tap(touched, text);
    }
    for (auto view = std::static_pointer_cast<View>(touched.shared_from_this()); view; view = view->superview()) {
        if (view->fireTapRecognizers(gesture)) {
            return true;
        }
    }
    return false;
}

std::shared_ptr<ScrollView> ScriptTargets::enclosingScrollView(View& view) {
    for (auto each = std::static_pointer_cast<View>(view.shared_from_this()); each; each = each->superview()) {
        if (auto scrollView = std::dynamic_pointer_cast<ScrollView>(each);
            scrollView && scrollView->isScrollEnabled()) {
            return scrollView;
        }
    }
    return nullptr;
}

}  // namespace platform::ui
