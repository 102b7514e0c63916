#include "app/shell/conditions/CurrentConditionsCell.h"

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/services/QOVIconService.h"
#include "app/shell/weather/PanelLayout.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

namespace {

using platform::ui::Rect;

constexpr double kPageWidth = 320.0;
constexpr double kIconSize = 25.0;

}  // namespace

void CurrentConditionsCell::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder(kInterfaceFile, [](platform::ui::InterfaceContext& file) {
        auto cell = file.makeTopLevel<CurrentConditionsCell>(FromInterfaceFile{}, kInterfaceFile);
        const double middle = (kHeight - kIconSize) / 2.0;
        cell->m_locationLabel = PanelLayout::value(file, Rect(10, 0, 200, kHeight), 16.0, true);
        cell->m_temperatureLabel =
            PanelLayout::value(file, Rect(212, 0, 60, kHeight), 18.0, true, platform::gfx::TextAlignment::Right);
        cell->m_weatherIconImageView = file.make<platform::ui::ImageView>(Rect(280, middle, kIconSize, kIconSize));
        // The bar does nothing with it, so the page does not offer it.
        cell->m_addToFavoritesButton = file.make<platform::ui::Button>(platform::ui::ButtonType::ContactAdd,
                                                                       Rect(kPageWidth - 34, middle, 25, 25));
        cell->m_addToFavoritesButton->setHidden(true);
        PanelLayout::addAll(*cell->contentView(), {cell->m_locationLabel, cell->m_temperatureLabel,
                                                   cell->m_weatherIconImageView, cell->m_addToFavoritesButton});
    });
}

void CurrentConditionsCell::updateLocation(const std::shared_ptr<QOVLocationIdentity>& entry) {
    const auto location = std::dynamic_pointer_cast<QOVLocation>(entry);
    if (!location) {
        return;
    }
    m_locationLabel->setText(location->displayName());
    const auto conditions = location->currentConditions();
    m_temperatureLabel->setText(conditions ? QOVFormattingService::formatTemperature(conditions->temperature())
                                           : std::string());
    m_weatherIconImageView->setImage(conditions ? QOVIconService::weatherIcon(conditions->weatherIconNumber(), 0)
                                                : QOVIconService::emptyWeatherIconForSize(0));
}

}  // namespace qov
