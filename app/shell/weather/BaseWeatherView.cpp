#include "app/shell/weather/BaseWeatherView.h"

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Exception.h"
#include "platform/base/NotificationCenter.h"

namespace qov {

BaseWeatherView::~BaseWeatherView() { platform::NotificationCenter::defaultCenter().removeObserver(this); }

void BaseWeatherView::awakeFromNib() {
    QOVView::awakeFromNib();
    m_header = QOVSectionHeaderView::headerWithStandardSize();
    if (m_header) {
        m_header->setDelegate(std::dynamic_pointer_cast<QOVSectionHeaderViewDelegate>(shared_from_this()));
        addSubview(m_header);
    }
    clearData();
    if (m_header) {
        m_header->m_titleLabel->setText(headerTitleText());
    }
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVFormattingService::kUomSelectedNotification,
        [this](const platform::Notification&) { updateViewData(); });
    setBackgroundColor(QOVThemeService::backgroundColor());
}

void BaseWeatherView::updateLocation(const std::shared_ptr<QOVLocation>& location) {
    clearData();
    m_location = location;
    writeUpdatedSubtitle();
}

void BaseWeatherView::heartbeat() {
    if (m_location) {
        writeUpdatedSubtitle();
    }
}

void BaseWeatherView::writeUpdatedSubtitle() {
    if (!m_header) {
        return;
    }
    const auto& conditions = m_location ? m_location->currentConditions() : nullptr;
    const std::string when =
        conditions ? QOVFormattingService::formatTimeIncludingZone(conditions->date(), m_location->timeZone())
                   : localized(kUnavailableKey);
    m_header->m_subtitleLabel->setText(kUpdatedPrefix + when);
    m_header->m_subtitleLabel->setTextColor(QOVThemeService::dataAgeColorForLocation(m_location));
}

std::string BaseWeatherView::headerTitleKey() const {
    platform::Exception::raiseAbstractClass(className(), "headerTitleKey");
}

std::string BaseWeatherView::headerTitleText() const { return localized(headerTitleKey()); }

void BaseWeatherView::clearData() { platform::Exception::raiseAbstractClass(className(), "clearData"); }

std::string BaseWeatherView::shareDataForOption(int /*option*/) { return {}; }

void BaseWeatherView::shareButtonPressed() {
    if (const auto screen = delegate()) {
        screen->shareButtonWasPressedForBaseWeatherView(*this);
    }
}

std::string BaseWeatherView::sharingClosingLine() {
    return localized("Get more weather at http://www.qovara.net from your PC or mobile device.\n");
}

}  // namespace qov
