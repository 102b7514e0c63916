// The root controller's bar movements: each toggle moves a bar and the content view, inside a simple animation
// when animated, posts its notification and flips the bar's state.
#include "app/shell/root/QOVMasterViewController.h"

#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdView.h"
#include "app/ui/base/QOVView.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/ui/ViewAnimation.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

void moveBy(platform::ui::View& view, double dx, double dy) {
    auto frame = view.frame();
    frame.origin.x += dx;
    frame.origin.y += dy;
    view.setFrame(frame);
}

}  // namespace

void QOVMasterViewController::hideTabBar(bool animated) {
    if (!m_tabBarHidden) {
        toggleTabBar(animated);
    }
}

void QOVMasterViewController::showTabBar(bool animated) {
    if (m_tabBarHidden) {
        toggleTabBar(animated);
    }
}

void QOVMasterViewController::hideLocationBar(bool animated) {
    if (!m_locationBarHidden) {
        toggleLocationBar(animated);
    }
}

void QOVMasterViewController::showLocationBar(bool animated) {
    if (m_locationBarHidden) {
        toggleLocationBar(animated);
    }
}

void QOVMasterViewController::hideErrorBar(bool animated) {
    if (!m_errorBarHidden) {
        toggleErrorBar(animated);
    }
}

void QOVMasterViewController::showErrorBar(bool animated) {
    if (m_errorBarHidden) {
        toggleErrorBar(animated);
    }
}

void QOVMasterViewController::hideAdView(bool animated) {
    if (!m_adViewHidden) {
        toggleAdView(animated);
    }
}

void QOVMasterViewController::showAdView(bool animated) {
    if (m_adViewHidden) {
        toggleAdView(animated);
    }
}

void QOVMasterViewController::startSimpleAnimation(bool animated) {
    if (animated) {
        platform::ui::ViewAnimation::beginAnimations("simpleanimation");
    }
}

void QOVMasterViewController::endSimpleAnimation(bool animated) {
    if (animated) {
        platform::ui::ViewAnimation::commitAnimations();
    }
}

void QOVMasterViewController::postMovement(const char* name, const std::shared_ptr<platform::ui::View>& object) {
    platform::NotificationCenter::defaultCenter().postNotification(name, object);
}

void QOVMasterViewController::toggleTabBar(bool animated) {
    if (!m_slidingBarView || !m_contentView) {
        return;
    }
    const double height = m_slidingBarView->frame().height();
    const double d = m_tabBarHidden ? -height : height;
    startSimpleAnimation(animated);
    moveBy(*m_slidingBarView, 0.0, d);
    auto content = m_contentView->frame();
    content.size.height = m_slidingBarView->frame().y() - content.y();
    m_contentView->setFrame(content);
    endSimpleAnimation(animated);
    m_tabBarHidden = !m_tabBarHidden;
    postMovement(m_tabBarHidden ? kTabBarHiddenNotification : kTabBarRevealedNotification, m_slidingBarView);
}

void QOVMasterViewController::toggleLocationBar(bool animated) {
    if (!m_locationBarView || !m_contentView) {
        return;
    }
    const auto container = m_locationBarView->frame();
    auto content = m_contentView->frame();
    startSimpleAnimation(animated);
    if (m_locationBarHidden) {
        content.origin.y = container.maxY();
        content.size.height -= container.height();
    } else {
        content.origin.y = container.y();
        content.size.height += container.height();
    }
    m_contentView->setFrame(content);
    endSimpleAnimation(animated);
    m_locationBarHidden = !m_locationBarHidden;
    // The container lies over the content view: hidden, it must not cover what moved up under it.
    m_locationBarView->setHidden(m_locationBarHidden);
    postMovement(m_locationBarHidden ? kLocationBarHiddenNotification : kLocationBarRevealedNotification,
                 m_locationBarView);
}

void QOVMasterViewController::toggleAdView(bool animated) {
    if (!m_adView || !m_contentView) {
        return;
    }
    const double height = m_adView->frame().height();
    const double d = m_adViewHidden ? height : -height;
    startSimpleAnimation(animated);
    updateOriginOfView(*m_adView, platform::ui::Point{0.0, d});
    if (m_locationBarView) {
        updateOriginOfView(*m_locationBarView, platform::ui::Point{0.0, d});
    }
    auto content = m_contentView->frame();
    content.origin.y += d;
    content.size.height -= d;
    m_contentView->setFrame(content);
    endSimpleAnimation(animated);
    m_adViewHidden = !m_adViewHidden;
    postMovement(m_adViewHidden ? kAdViewHiddenNotification : kAdViewRevealedNotification, m_adView);
}

void QOVMasterViewController::toggleErrorBar(bool animated) {
    if (!m_errorBarView) {
        return;
    }
    const double height = m_errorBarView->frame().height();
    double d = height;
    if (m_errorBarHidden) {
        m_errorBarHideTimer.barRevealed(m_errorBarLife, platform::bindWeak(self(), [](QOVMasterViewController& master) {
                                            master.hideErrorBar(true);
                                        }));
    } else {
        d = -height;
        QOV_LOG_DEBUG("frame: {}", m_errorBarView->frame().description());
        m_errorBarHideTimer.barHidden();
    }
    startSimpleAnimation(animated);
    moveBy(*m_errorBarView, 0.0, d);
    endSimpleAnimation(animated);
    m_errorBarHidden = !m_errorBarHidden;
    postMovement(m_errorBarHidden ? kErrorBarHiddenNotification : kErrorBarRevealedNotification, m_errorBarView);
}

void QOVMasterViewController::toggleFullScreenContent(bool animated, bool coverAds) {
    startSimpleAnimation(animated);
    if (m_contentViewFullscreen) {
        showLocationBar(false);
        showTabBar(false);
        if (coverAds) {
            showAdView(false);
        }
    } else {
        hideLocationBar(false);
        hideTabBar(false);
        if (coverAds) {
            hideAdView(false);
        }
    }
    endSimpleAnimation(animated);
    if (m_contentViewFullscreen) {
        m_contentViewFullscreen = false;
        postMovement(kContentViewReturnedNotification, m_contentView);
    } else {
        m_contentViewFullscreen = true;
        postMovement(kContentViewFullscreenNotification, m_contentView);
    }
}

void QOVMasterViewController::resetViewPositions() {
    if (!QOVSettingsService::sharedInstance()->areAdsEnabled()) {
        hideAdView(false);
    }
    hideErrorBar(false);
    showLocationBar(false);
    showTabBar(false);
}

void QOVMasterViewController::updateOriginOfView(platform::ui::View& view, platform::ui::Point offset) {
    moveBy(view, offset.x, offset.y);
    if (m_errorBarView && isViewLoaded()) {
        this->view()->bringSubviewToFront(m_errorBarView);
    }
}

void QOVMasterViewController::bringLocationBarToFront() {
    if (m_locationBarView && m_locationBar) {
        m_locationBarView->bringSubviewToFront(m_locationBar);
    }
}

}  // namespace qov
