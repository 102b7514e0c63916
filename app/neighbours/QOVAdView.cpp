#include "app/neighbours/QOVAdView.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVSettingsService.h"

namespace qov {

bool QOVAdView::refreshAdView() {
    return QOVSettingsService::sharedInstance()->areAdsEnabled() && m_location && !m_section.empty();
}

void QOVAdView::setLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    const bool same = m_location && location && m_location->isEqualToLocation(*location);
    m_location = location;
    if (!same && m_shouldUpdateOnLocationChange) {
        refreshAdView();
    }
}

}  // namespace qov
