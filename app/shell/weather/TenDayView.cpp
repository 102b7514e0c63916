#include "app/shell/weather/TenDayView.h"

#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/services/QOVIconService.h"
#include "app/shell/weather/TenDayCell.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/ProcessInstance.h"
#include "platform/format/DateFormatter.h"
#include "platform/format/TextFormat.h"

namespace qov {

using Format = QOVFormattingService;

namespace {

bool samePlace(const std::shared_ptr<QOVLocation>& a, const std::shared_ptr<QOVLocation>& b) {
    return a && b && a->isEqualToLocation(*b);
}

}  // namespace

void TenDayView::awakeFromNib() {
    WeatherTablePanel::awakeFromNib();
    if (m_header) {
        m_header->setShareEnabled(true);
    }
    if (m_columnHeaderView) {
        m_columnHeaderView->setBackgroundColor(QOVThemeService::backgroundColor());
    }
    setDetailMode(false);
}

std::string TenDayView::headerTitleKey() const {
    return m_displayingHiRad ? "weather.header.10day.details" : "weather.header.10day";
}

const std::vector<std::shared_ptr<QOVDailyForecast>>& TenDayView::days() const {
    static platform::NeverDestroyed<const QOVLocation::DailyList> none;
    return m_location && m_location->dailyForecasts() ? *m_location->dailyForecasts() : *none;
}

void TenDayView::updateLocation(const std::shared_ptr<QOVLocation>& location) {
    const bool placeChanged = !samePlace(m_location, location);
    WeatherTablePanel::updateLocation(location);
    if (placeChanged && m_displayingHiRad) {
        showList();
    }
    updateViewData();
}

void TenDayView::updateViewData() {
    if (m_tableView) {
        m_tableView->reloadData();
    }
    if (!m_displayingHiRad) {
        return;
    }
    if (m_detailRow < static_cast<int>(days().size())) {
        showDetails(m_detailRow);
    } else {
        showList();
    }
}

void TenDayView::clearData() {
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

int TenDayView::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return static_cast<int>(days().size());
}

std::shared_ptr<platform::ui::TableViewCell> TenDayView::tableViewCellForRow(platform::ui::TableView& table,
                                                                             const platform::ui::IndexPath& indexPath) {
    auto cell = QOVTableViewCell::cellFromTableView<TenDayCell>(table);
    const auto& day = days().at(static_cast<std::size_t>(indexPath.row));
    if (cell && day) {
        cell->setData(*day, indexPath.row, *m_location);
        cell->m_arrowImage->setHidden(m_displayingHiRad || !QOVSettingsService::sharedInstance()->isHiRadEnabled());
    }
    return cell;
}

std::optional<double> TenDayView::tableViewHeightForRow(platform::ui::TableView&,
                                                        const platform::ui::IndexPath& indexPath) {
    const auto& day = days().at(static_cast<std::size_t>(indexPath.row));
    return day ? TenDayCell::heightForForecast(*day) : TenDayCell::kBaseHeight;
}

void TenDayView::tableViewDidSelectRow(platform::ui::TableView&, const platform::ui::IndexPath& indexPath) {
    if (!QOVSettingsService::sharedInstance()->isHiRadEnabled() || m_displayingHiRad) {
        return;
    }
    showDetails(indexPath.row);
}

void TenDayView::setDetailMode(bool on) {
    m_displayingHiRad = on;
    for (const auto& view :
         std::initializer_list<std::shared_ptr<platform::ui::View>>{m_tableView, m_columnHeaderView}) {
        if (view) {
            view->setHidden(on);
        }
    }
    for (const auto& view : std::initializer_list<std::shared_ptr<platform::ui::View>>{
             m_wxIconView, m_shortDescriptionLabel, m_scrollView}) {
        if (view) {
            view->setHidden(!on);
        }
    }
    if (m_header) {
        m_header->setBackEnabled(on);
        if (!on) {
            m_header->setShareEnabled(true);
        }
        m_header->m_titleLabel->setText(headerTitleText());
    }
}

void TenDayView::showDetails(int row) {
    const auto& day = days().at(static_cast<std::size_t>(row));
    if (!day || !m_location) {
        return;
    }
    m_detailRow = row;
    setDetailMode(true);
    const auto part = TenDayCell::shownPart(*m_location, *day, row);
    m_wxIconView->setImage(part ? QOVIconService::weatherIcon(part->weatherIconIndex(), 2)
                                : QOVIconService::emptyWeatherIconForSize(2));
    m_shortDescriptionLabel->setText(part ? part->text() : std::string());
    m_highLabel->setText(TenDayCell::highText(*m_location, *day, row));
    m_lowLabel->setText(Format::formatTemperature(day->lowTemperature()));
    m_precipLabel->setText(part ? Format::formatPercent(part->chanceOfPrecipitation()) : std::string());
    m_windLabel->setText(part ? Format::formatWindSpeed(part->windSpeed(), part->windDirectionDescription())
                              : std::string());
    m_humidityLabel->setText(part ? Format::formatPercent(part->humidity()) : std::string());
    const auto sun = day->date() ? m_location->sunriseSunsetForDate(*day->date()) : nullptr;
    m_sunriseLabel->setText(sun ? Format::formatTime(sun->sunrise(), m_location->timeZone()) : std::string());
    m_sunsetLabel->setText(sun ? Format::formatTime(sun->sunset(), m_location->timeZone()) : std::string());
}

void TenDayView::showList() {
    setDetailMode(false);
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

void TenDayView::backButtonPressed() { showList(); }

std::string TenDayView::shareDataForOption(int option) {
    WeatherTablePanel::shareDataForOption(option);
    std::string text = localized("This message was sent from a friend.\n\nWeather for ") +
                       (m_location ? m_location->displayName() : std::string()) + "\n\n10-Day Forecast:\n";
    platform::DateFormatter weekday;
    weekday.setDateFormat("EEEE");
    weekday.setTimeZone(m_location ? m_location->timeZone().value_or("UTC") : std::string("UTC"));
    bool first = true;
    for (const auto& day : days()) {
        // The evening turns only the first day into its night; a day without a day part always uses its night.
        const bool nightOnly = !day->dayForecast() || (first && m_location->isEvening());
        const auto& precipitationPart = nightOnly ? day->nightForecast() : day->dayForecast();
        text += platform::TextFormat::format(
            "%@\n%@ %@ / %@\n",
            {weekday.stringFromDate(day->date()), day->dayForecast() ? day->dayForecast()->text() : std::string(),
             Format::formatTemperature(day->highTemperature()), Format::formatTemperature(day->lowTemperature())});
        if (precipitationPart && precipitationPart->chanceOfPrecipitation() >= 1) {
            text += platform::TextFormat::format("Precip: %@\n",
                                                 {Format::formatPercent(precipitationPart->chanceOfPrecipitation())});
        }
        text += "\n";
        first = false;
    }
    text += sharingClosingLine();
    QOVMetricsService::sharedInstance()->trackEvent("TF10Day_Share");
    return text;
}

}  // namespace qov
