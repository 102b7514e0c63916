#include "app/shell/weather/HourlyView.h"

#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/weather/HourlyCell.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Clock.h"
#include "platform/format/DateFormatter.h"
#include "platform/format/TextFormat.h"

namespace qov {

using platform::TextFormat;
using Format = QOVFormattingService;

void HourlyView::awakeFromNib() {
    WeatherTablePanel::awakeFromNib();
    if (m_header) {
        m_header->setShareEnabled(true);
    }
    if (m_columnHeaderView) {
        m_columnHeaderView->setBackgroundColor(QOVThemeService::backgroundColor());
    }
}

std::string HourlyView::headerTitleKey() const {
    return m_displayingHiRadData ? "weather.header.hourly.details" : "weather.header.hourly";
}

void HourlyView::updateLocation(const std::shared_ptr<QOVLocation>& location) {
    WeatherTablePanel::updateLocation(location);
    updateViewData();
}

void HourlyView::updateViewData() {
    setDisplayingHiRadData(false);
    m_rows = m_location ? HourlyRows::build(*m_location, QOVSettingsService::sharedInstance()->isHiRadEnabled())
                        : HourlyRows();
    m_workingData = m_rows.rows();
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

void HourlyView::clearData() {
    m_workingData.clear();
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

void HourlyView::setDisplayingHiRadData(bool displaying) {
    m_displayingHiRadData = displaying;
    if (!m_header) {
        return;
    }
    m_header->setBackEnabled(displaying);
    if (!displaying) {
        m_header->setShareEnabled(true);
    }
    m_header->m_titleLabel->setText(headerTitleText());
}

void HourlyView::displayHiRadData(const HourlyRows::Forecasts& group) {
    m_workingData = group;
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

void HourlyView::backButtonPressed() {
    setDisplayingHiRadData(false);
    updateViewData();
}

int HourlyView::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return static_cast<int>(m_workingData.size());
}

std::shared_ptr<platform::ui::TableViewCell> HourlyView::tableViewCellForRow(platform::ui::TableView& table,
                                                                             const platform::ui::IndexPath& indexPath) {
    auto cell = QOVTableViewCell::cellFromTableView<HourlyCell>(table);
    const auto& item = m_workingData.at(static_cast<std::size_t>(indexPath.row));
    if (!cell || !item) {
        return cell;
    }
    const std::string format = localized(m_displayingHiRadData ? "format.time.hour.minute" : "format.time.hour.only");
    cell->setData(*item, m_location ? m_location->timeZone() : std::nullopt, format, indexPath.row);
    cell->m_arrowImage->setHidden(m_displayingHiRadData || !std::dynamic_pointer_cast<QOVHiRadHourlyForecast>(item));
    return cell;
}

void HourlyView::tableViewDidSelectRow(platform::ui::TableView&, const platform::ui::IndexPath& indexPath) {
    const auto& item = m_workingData.at(static_cast<std::size_t>(indexPath.row));
    if (m_displayingHiRadData || !std::dynamic_pointer_cast<QOVHiRadHourlyForecast>(item)) {
        return;
    }
    const HourlyRows::Forecasts group = m_rows.groupFor(*item);
    setDisplayingHiRadData(true);
    displayHiRadData(group);
}

std::string HourlyView::shareDataForOption(int option) {
    WeatherTablePanel::shareDataForOption(option);
    const auto zone = m_location ? m_location->timeZone().value_or("UTC") : std::string("UTC");
    platform::DateFormatter day;
    day.setDateStyle(platform::DateFormatter::Style::Short);
    day.setTimeZone(zone);
    platform::DateFormatter time;
    time.setTimeStyle(platform::DateFormatter::Style::Short);
    time.setTimeZone(zone);
    std::string text =
        localized("This message was sent from a friend.\n\nWeather for ") +
        (m_location ? m_location->displayName() : std::string()) + "\n\n" +
        TextFormat::format("Hourly Forecast: %@\n\n", {day.stringFromDate(platform::Clock::shared()->now())});
    if (m_location && m_location->hourlyForecasts()) {
        for (const auto& forecast : *m_location->hourlyForecasts()) {
            text += TextFormat::format(
                "%@\n%@ %@ %@\n",
                {time.stringFromDate(forecast->date()), forecast->text(),
                 Format::formatTemperature(forecast->temperature()),
                 Format::formatWindSpeed(forecast->windSpeed(), forecast->windDirectionDescription())});
            if (forecast->chanceOfPrecipitation() >= 1) {
                text += TextFormat::format("Precip: %@\n", {Format::formatPercent(forecast->chanceOfPrecipitation())});
            }
            text += "\n";
        }
    }
    text += sharingClosingLine();
    QOVMetricsService::sharedInstance()->trackEvent("TFHourly_Share");
    return text;
}

}  // namespace qov
