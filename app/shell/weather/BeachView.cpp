#include "app/shell/weather/BeachView.h"

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVTide.h"
#include "app/shell/weather/BeachForecastCell.h"
#include "app/shell/weather/PanelLayout.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "platform/base/Log.h"
#include "platform/format/DateFormatter.h"
#include "platform/ui/InterfaceFile.h"

QOV_LOG_LEVEL(15)

namespace qov {

using platform::ui::Rect;

void BeachView::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("BeachView", [](platform::ui::InterfaceContext& file) {
        auto panel = file.makeTopLevel<BeachView>(Rect(0, 0, 320, 282));
        panel->m_tableView = makeTable(file, Rect(0, kHeaderHeight, 320, 282 - kHeaderHeight));
        PanelLayout::addAll(*panel, {panel->m_tableView});
    });
}

void BeachView::updateLocation(const std::shared_ptr<QOVLocation>& location) {
    WeatherTablePanel::updateLocation(location);
    updateViewData();
}

void BeachView::clearData() {
    if (m_header) {
        m_header->m_subtitleLabel->setText("No Current Data");
    }
    m_tides.clear();
    m_marineForecast.clear();
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

void BeachView::updateViewData() {
    const auto beach = m_location ? m_location->beachAndBoatForecast() : nullptr;
    m_tides =
        beach ? beach->tideArray().value_or(QOVBeachAndBoatForecast::TideList{}) : QOVBeachAndBoatForecast::TideList{};
    m_marineForecast = beach ? beach->marineForecastArray().value_or(QOVBeachAndBoatForecast::MarineForecastList{})
                             : QOVBeachAndBoatForecast::MarineForecastList{};
    platform::DateFormatter when;
    when.setDateFormat("yyyy-MM-dd HH:mm zzz");
    when.setTimeZone(m_location ? m_location->timeZone().value_or("UTC") : std::string("UTC"));
    for (std::size_t k = 0; k < m_tides.size(); ++k) {
        const auto& tide = *m_tides[k];
        QOV_LOG_DEBUG("tide {}: {}, {}", k, when.stringFromDate(tide.date()),
                      tide.nameInTimeZone(m_location->timeZone()));
    }
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

int BeachView::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return static_cast<int>(m_marineForecast.size());
}

std::shared_ptr<platform::ui::TableViewCell> BeachView::tableViewCellForRow(platform::ui::TableView& table,
                                                                            const platform::ui::IndexPath& indexPath) {
    auto cell = QOVTableViewCell::cellFromTableView<BeachForecastCell>(table);
    const auto& period = m_marineForecast.at(static_cast<std::size_t>(indexPath.row));
    if (cell && period) {
        cell->updateUsingForecast(*period, m_tides, m_location->timeZone());
    }
    return cell;
}

std::optional<double> BeachView::tableViewHeightForRow(platform::ui::TableView&,
                                                       const platform::ui::IndexPath& indexPath) {
    const auto& period = m_marineForecast.at(static_cast<std::size_t>(indexPath.row));
    return period ? BeachForecastCell::heightFor(*period, m_tides, m_location->timeZone()) : 100.0;
}

}  // namespace qov
