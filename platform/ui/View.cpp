#include "platform/ui/View.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <fmt/format.h>

#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

bool isQuarterTurn(double radians) {
    return std::abs(std::abs(std::remainder(radians, std::numbers::pi)) - std::numbers::pi / 2.0) < 1e-9;
}

// Shares a size change among the flexible parts of one axis (margin before, size, margin after).
void resizeAxis(double delta, bool flexibleBefore, bool flexibleSize, bool flexibleAfter, double& origin,
                double& length) {
    const int parts = int(flexibleBefore) + int(flexibleSize) + int(flexibleAfter);
    if (parts == 0) {
        return;
    }
    const double share = delta / parts;
    if (flexibleBefore) {
        origin += share;
    }
    if (flexibleSize) {
        length = std::max(0.0, length + share);
    }
}

}  // namespace

View::View(const Rect& frame) { View::setFrame(frame); }

View::~View() {
    for (const auto& subview : m_subviews) {
        subview->m_superview = nullptr;
    }
    for (const auto& recognizer : m_gestureRecognizers) {
        recognizer->m_view.reset();
    }
}

std::shared_ptr<View> View::superview() const {
    return m_superview ? std::static_pointer_cast<View>(m_superview->weak_from_this().lock()) : nullptr;
}

Rect View::frame() const {
    Size size = m_bounds.size;
    if (isQuarterTurn(m_rotation)) {
        std::swap(size.width, size.height);
    }
    return Rect(m_center.x - size.width / 2.0, m_center.y - size.height / 2.0, size.width, size.height);
}

void View::setFrame(const Rect& frame) {
    Size size = frame.size;
    if (isQuarterTurn(m_rotation)) {
        std::swap(size.width, size.height);
    }
    m_center = frame.center();
    setBounds(Rect(m_bounds.origin, size));
}

void View::setBounds(const Rect& bounds) {
    const Size oldSize = m_bounds.size;
    m_bounds = bounds;
    if (oldSize != bounds.size) {
        resizeSubviews(oldSize);
        setNeedsLayout();
    }
}

Rect View::frameInWindow() const {
    Rect result = frame();
    for (const View* parent = m_superview; parent; parent = parent->m_superview) {
        const Rect parentFrame = parent->frame();
        result = result.offsetBy(parentFrame.x() - parent->bounds().x(), parentFrame.y() - parent->bounds().y());
    }
    return result;
}

void View::resizeSubviews(Size oldSize) {
    if (!m_autoresizesSubviews) {
        return;
    }
    const double dx = m_bounds.width() - oldSize.width;
    const double dy = m_bounds.height() - oldSize.height;
    for (const auto& subview : m_subviews) {
        const unsigned mask = subview->autoresizingMask();
        if (mask == kAutoresizingNone) {
            continue;
        }
        Rect frame = subview->frame();
        resizeAxis(dx, mask & kAutoresizingFlexibleLeftMargin, mask & kAutoresizingFlexibleWidth,
                   mask & kAutoresizingFlexibleRightMargin, frame.origin.x, frame.size.width);
        resizeAxis(dy, mask & kAutoresizingFlexibleTopMargin, mask & kAutoresizingFlexibleHeight,
                   mask & kAutoresizingFlexibleBottomMargin, frame.origin.y, frame.size.height);
        subview->setFrame(frame);
    }
}

void View::addSubview(const std::shared_ptr<View>& view) { insertSubview(view, m_subviews.size()); }

void View::insertSubview(const std::shared_ptr<View>& view, std::size_t index) {
    if (!view || view.get() == this || isDescendantOf(*view)) {
        return;
    }
    const std::shared_ptr<View> keep = view;  // the old superview may hold the only other reference
    if (keep->m_superview == this) {
        detach(keep);
    } else {
        keep->removeFromSuperview();
    }
    index = std::min(index, m_subviews.size());
    m_subviews.insert(m_subviews.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->m_superview = this;
    keep->didMoveToSuperview();
}

void View::detach(const std::shared_ptr<View>& view) { std::erase(m_subviews, view); }

void View::removeFromSuperview() {
    View* parent = m_superview;
    if (!parent) {
        return;
    }
    auto found = std::find_if(parent->m_subviews.begin(), parent->m_subviews.end(),
                              [this](const std::shared_ptr<View>& view) { return view.get() == this; });
    const std::shared_ptr<View> self = found != parent->m_subviews.end() ? *found : nullptr;  // keeps this alive
    parent->willRemoveSubview(*this);
    if (self) {
        parent->detach(self);
    }
    m_superview = nullptr;
    if (isFirstResponder()) {
        resignFirstResponder();
    }
    didMoveToSuperview();
}

void View::bringSubviewToFront(const std::shared_ptr<View>& view) {
    auto found = std::find(m_subviews.begin(), m_subviews.end(), view);
    if (found != m_subviews.end()) {
        std::rotate(found, found + 1, m_subviews.end());
    }
}

void View::sendSubviewToBack(const std::shared_ptr<View>& view) {
    auto found = std::find(m_subviews.begin(), m_subviews.end(), view);
    if (found != m_subviews.end()) {
        std::rotate(m_subviews.begin(), found, found + 1);
    }
}

void View::exchangeSubviews(std::size_t first, std::size_t second) {
    if (first < m_subviews.size() && second < m_subviews.size()) {
        std::swap(m_subviews[first], m_subviews[second]);
    }
}

bool View::isDescendantOf(const View& ancestor) const {
    for (const View* view = this; view; view = view->m_superview) {
        if (view == &ancestor) {
            return true;
        }
    }
    return false;
}

bool View::endEditing() {
    const auto editing = std::dynamic_pointer_cast<View>(firstResponder());
    return !editing || !editing->isDescendantOf(*this) || editing->resignFirstResponder();
}

std::shared_ptr<View> View::viewWithTag(int tag) {
    if (m_tag == tag) {
        return std::static_pointer_cast<View>(shared_from_this());
    }
    for (const auto& subview : m_subviews) {
        if (auto found = subview->viewWithTag(tag)) {
            return found;
        }
    }
    return nullptr;
}

std::shared_ptr<Window> View::window() const {
    for (const View* view = this; view; view = view->m_superview) {
        if (const auto* window = dynamic_cast<const Window*>(view)) {
            return std::static_pointer_cast<Window>(std::const_pointer_cast<Responder>(window->shared_from_this()));
        }
    }
    return nullptr;
}

void View::setAlpha(double alpha) { m_alpha = std::clamp(alpha, 0.0, 1.0); }

bool View::isVisibleOnScreen() const {
    for (const View* view = this; view; view = view->m_superview) {
        if (view->m_hidden || view->m_alpha <= 0.0) {
            return false;
        }
    }
    return true;
}

void View::layoutIfNeeded() {
    if (m_needsLayout) {
        m_needsLayout = false;
        layoutSubviews();
    }
    for (const auto& subview : std::vector<std::shared_ptr<View>>(m_subviews)) {
        subview->layoutIfNeeded();
    }
}

Size View::sizeThatFits(Size) const { return m_bounds.size; }

void View::sizeToFit() {
    const Size size = sizeThatFits(m_bounds.size);
    const Rect current = frame();
    setFrame(Rect(current.origin, size));
}

void View::addGestureRecognizer(const std::shared_ptr<TapGestureRecognizer>& recognizer) {
    if (!recognizer) {
        return;
    }
    if (auto previous = recognizer->view()) {
        previous->removeGestureRecognizer(recognizer);
    }
    recognizer->m_view = std::static_pointer_cast<View>(shared_from_this());
    m_gestureRecognizers.push_back(recognizer);
}

void View::removeGestureRecognizer(const std::shared_ptr<TapGestureRecognizer>& recognizer) {
    if (recognizer && recognizer->view().get() == this) {
        recognizer->m_view.reset();
    }
    std::erase(m_gestureRecognizers, recognizer);
}

void View::draw(gfx::BitmapContext&) const {}

std::vector<std::string> View::dumpState() const {
    if (m_alpha < 1.0) {
        return {fmt::format("alpha {:.2g}", m_alpha)};
    }
    return {};
}

bool View::tapText(const std::string& text) { return !text.empty() && this->text() == text && fireTapRecognizers(); }

bool View::respondsToTaps() const {
    return std::any_of(m_gestureRecognizers.begin(), m_gestureRecognizers.end(),
                       [](const auto& recognizer) { return recognizer->isEnabled(); });
}

bool View::followDrag(double, double) { return false; }

bool View::followPinch(double, Point) { return false; }

bool View::tapFrom(View& touched, const std::string& text) {
    return (&touched == this && tapText(text)) || fireTapRecognizers();
}

bool View::fireTapRecognizers() { return fireTapRecognizers(TapGesture{}); }

bool View::fireTapRecognizers(const TapGesture& gesture) {
    bool fired = false;
    for (const auto& recognizer : std::vector(m_gestureRecognizers)) {
        fired = (recognizer->recognizes(gesture) && recognizer->fire(gesture.location)) || fired;
    }
    return fired;
}

}  // namespace platform::ui
