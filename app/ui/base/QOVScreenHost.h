#pragma once

#include <string>

#include "app/ui/base/QOVViewController.h"

namespace qov {

// The root controller as the screens it hosts see it: its view, presenting and dismissing (as any view
// controller), the location bar, full-screen content and the ad slot. A screen in a library above the shell
// reaches its host as masterViewController<QOVScreenHost>() and never includes the root controller's class,
// which implements this. Main thread only; the host holds its screens, a screen knows its host weakly.
class QOVScreenHost : public QOVViewController {
public:
    using QOVViewController::QOVViewController;

    // Move the location bar only when it is in the other state.
    virtual void hideLocationBar(bool animated) = 0;
    virtual void showLocationBar(bool animated) = 0;
    // Moves the content view to full screen, or back; with coverAds the content covers the ad slot too.
    virtual void toggleFullScreenContent(bool animated, bool coverAds) = 0;
    // Points the ad slot at the page, tab and section and refreshes it; nothing when there is no ad slot.
    virtual void refreshAdViewForPage(const std::string& page, const std::string& tab, const std::string& section) = 0;
};

}  // namespace qov
