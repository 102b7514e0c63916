#include "app/shell/locations/FavoriteLocationView.h"

#include <typeinfo>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/services/QOVIconService.h"
#include "platform/ui/Image.h"

namespace qov {

namespace {

bool hasText(const std::optional<std::string>& text) { return text && !text->empty(); }

}  // namespace

void FavoriteLocationView::setDataForLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    if (!location) {
        return;
    }
    const QOVLocationIdentity& identity = *location;
    if (typeid(identity) != typeid(QOVLocation)) {
        return;
    }
    const auto& place = static_cast<const QOVLocation&>(identity);
    const auto manager = QOVLocationManager::sharedManager();
    const auto stored = m_locId ? manager->favoriteForLocation(*m_locId) : nullptr;
    const auto& nickname = stored ? stored->userNickname() : (m_locId ? m_locId->userNickname() : std::nullopt);
    if (m_displayName) {
        m_displayName->setText(hasText(nickname) ? *nickname : place.displayName());
    }
    const auto& conditions = place.currentConditions();
    if (m_tempLabel) {
        m_tempLabel->setText(conditions ? QOVFormattingService::formatTemperature(conditions->temperature(), false)
                                        : std::string());
    }
    if (m_wxIcon) {
        m_wxIcon->setImage(conditions ? QOVIconService::weatherIcon(conditions->weatherIconNumber(), 1)
                                      : platform::ui::Image::named(kNoConditionsImage));
    }
    enablePushIndicator(manager->pushLocationsContainsLocation(place));
    enableHomeIndicator(manager->homeLocationsContainsLocation(place));
}

void FavoriteLocationView::enablePushIndicator(bool enable) {
    if (m_pushIndicator) {
        m_pushIndicator->setHidden(!enable);
    }
}

void FavoriteLocationView::enableHomeIndicator(bool enable) {
    if (m_homeIndicator) {
        m_homeIndicator->setHidden(!enable);
    }
}

}  // namespace qov
