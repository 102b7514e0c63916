#include "app/legacymaps/controls/MapOverlayTitleView.h"

#include "app/legacymaps/controls/LegacyMapColors.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "app/ui/theme/QOVThemeService.h"

namespace qov {

using platform::gfx::Rect;

MapOverlayTitleView::MapOverlayTitleView(const Rect&) : View(Rect(4, 4, 320, 40)) {
    setBackgroundColor(QOVThemeService::backgroundColor());
    m_iconView = std::make_shared<platform::ui::ImageView>(Rect(0, 2, 40, 36));
    m_titleLabel = std::make_shared<platform::ui::Label>(Rect(5, 9, 310, 22));
    m_titleLabel->setFont(platform::gfx::Font::boldSystemFont(18));
    m_titleLabel->setTextColor(platform::gfx::Color::white());
    m_titleLabel->setBackgroundColor(platform::gfx::Color::clear());
    m_titleLabel->setTextAlignment(platform::gfx::TextAlignment::Center);
    m_descriptionButton =
        std::make_shared<platform::ui::Button>(platform::ui::ButtonType::Custom, Rect(282, 4, 32, 32));
    m_descriptionButton->setUserInteractionEnabled(false);
    addSubview(m_iconView);
    addSubview(m_titleLabel);
    addSubview(m_descriptionButton);
}

void MapOverlayTitleView::setType(MapOverlayType::Ptr type, bool selected) {
    m_overlayType = std::move(type);
    m_titleLabel->setText(m_overlayType ? m_overlayType->name() : std::string());
    m_iconView->setImage(m_overlayType ? platform::ui::Image::named(m_overlayType->iconName()) : nullptr);
    setSelected(selected);
}

void MapOverlayTitleView::setSelected(bool selected) {
    setBackgroundColor(selected ? LegacyMapColors::selectionBlue() : QOVThemeService::backgroundColor());
    m_descriptionButton->setImage(platform::ui::Image::named(selected ? "Map Selection Bar Help Icons - Active.png"
                                                                      : "Map Selection Bar Help Icons - Inactive.png"));
}

}  // namespace qov
