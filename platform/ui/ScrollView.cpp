#include "platform/ui/ScrollView.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

ScrollView::ScrollView() { setClipsToBounds(true); }

ScrollView::ScrollView(const Rect& frame) : View(frame) { setClipsToBounds(true); }

void ScrollView::setContentOffset(Point offset, bool) {
    if (offset == contentOffset()) {
        return;
    }
    setBounds(Rect(offset, bounds().size));
    didChangeContentOffset();
    if (auto delegate = m_delegate.lock()) {
        delegate->scrollViewDidScroll(*this);
    }
}

Point ScrollView::maximumContentOffset() const {
    return Point{std::max(-m_contentInset.left, m_contentSize.width + m_contentInset.right - bounds().width()),
                 std::max(-m_contentInset.top, m_contentSize.height + m_contentInset.bottom - bounds().height())};
}

void ScrollView::dragBy(double dx, double dy) {
    double turn = 0.0;
    for (auto each = std::static_pointer_cast<const View>(shared_from_this()); each; each = each->superview()) {
        turn += each->rotation();
    }
    // The finger's move in this view's own coordinates; rotations are quarter turns, so the trigonometry is
    // rounded to whole numbers.
    const double cosine = std::round(std::cos(turn));
    const double sine = std::round(std::sin(turn));
    const Point offset = contentOffset();
    drag(Point{offset.x - (cosine * dx + sine * dy), offset.y - (cosine * dy - sine * dx)});
}

void ScrollView::drag(Point offset) {
    if (!m_scrollEnabled) {
        return;
    }
    const Point maximum = maximumContentOffset();
    Point target{std::clamp(offset.x, -m_contentInset.left, maximum.x),
                 std::clamp(offset.y, -m_contentInset.top, maximum.y)};
    if (m_pagingEnabled) {
        const Size page = bounds().size;
        if (page.width > 0.0) {
            target.x = std::min(std::round(target.x / page.width) * page.width, maximum.x);
        }
        if (page.height > 0.0) {
            target.y = std::min(std::round(target.y / page.height) * page.height, maximum.y);
        }
    }
    auto delegate = m_delegate.lock();
    if (delegate) {
        delegate->scrollViewWillBeginDragging(*this);
    }
    setContentOffset(target);
    if ((delegate = m_delegate.lock())) {
        delegate->scrollViewDidEndDragging(*this, true);
        delegate->scrollViewDidEndDecelerating(*this);
    }
}

}  // namespace platform::ui
