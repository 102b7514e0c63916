#pragma once

#include <memory>

#include "platform/ui/ScrollViewDelegate.h"
#include "platform/ui/View.h"

namespace platform::ui {

// A view whose content (its subviews, over contentSize) scrolls: the content offset is the bounds'
// origin. drag() is the user's finger. The delegate is not retained.
class ScrollView : public View {
public:
    ScrollView();
    explicit ScrollView(const Rect& frame);

    Size contentSize() const { return m_contentSize; }
    void setContentSize(Size size) { m_contentSize = size; }
    Point contentOffset() const { return bounds().origin; }
    // Tells the delegate it scrolled when the offset changes.
    void setContentOffset(Point offset, bool animated = false);
    const EdgeInsets& contentInset() const { return m_contentInset; }
    void setContentInset(const EdgeInsets& insets) { m_contentInset = insets; }
    bool isPagingEnabled() const { return m_pagingEnabled; }
    void setPagingEnabled(bool enabled) { m_pagingEnabled = enabled; }
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled) { m_scrollEnabled = enabled; }
    bool showsHorizontalScrollIndicator() const { return m_showsHorizontalScrollIndicator; }
    void setShowsHorizontalScrollIndicator(bool shows) { m_showsHorizontalScrollIndicator = shows; }
    bool showsVerticalScrollIndicator() const { return m_showsVerticalScrollIndicator; }
    void setShowsVerticalScrollIndicator(bool shows) { m_showsVerticalScrollIndicator = shows; }
    bool bounces() const { return m_bounces; }
    void setBounces(bool bounces) { m_bounces = bounces; }
    std::shared_ptr<ScrollViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<ScrollViewDelegate> delegate) { m_delegate = std::move(delegate); }

    // The user drags the content to the offset (kept within the content, snapped to whole pages when
    // paging): will begin dragging, did scroll, did end dragging, did end decelerating.
    void drag(Point offset);
    // A finger moves dx, dy points across the screen: the content follows it (drag), through the rotations of
    // this view and its ancestors (content to the right comes in under a finger moving left).
    void dragBy(double dx, double dy);

    // The largest offset the content allows.
    Point maximumContentOffset() const;

protected:
    // Called after every change of the offset, before the delegate hears of it.
    virtual void didChangeContentOffset() {}

private:
    Size m_contentSize;
    EdgeInsets m_contentInset;
    bool m_pagingEnabled = false;
    bool m_scrollEnabled = true;
    bool m_showsHorizontalScrollIndicator = true;
    bool m_showsVerticalScrollIndicator = true;
    bool m_bounces = true;
    std::weak_ptr<ScrollViewDelegate> m_delegate;
};

}  // namespace platform::ui
