#include "app/neighbours/QOVAdView.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdManager.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

void QOVAdView::setLocation(std::shared_ptr<QOVLocationIdentity> location) {
    const bool changed = location && !(m_location && m_location->isEqualToLocation(*location));
    m_location = std::move(location);
    if (changed && m_shouldUpdateOnLocationChange) {
        refreshAdView();
    }
}

void QOVAdView::refreshAdView() {
    if (!QOVSettingsService::sharedInstance()->areAdsEnabled() || !m_location || m_section.empty()) {
        return;
    }
    QOVAdManager::sharedManager()->requestAdForAdView(*this);
    QOV_LOG_INFO("Beacon: ad-requested ({} / {})", m_page, m_section);
}

}  // namespace qov
