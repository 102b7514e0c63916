#include "app/shell/weather/ThirtySixHourView.h"

#include <algorithm>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/shell/weather/PanelLayout.h"
#include "app/shell/weather/ThirtySixHourCell.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/ProcessInstance.h"
#include "platform/format/TextFormat.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

namespace {

const QOVLocation::NarrativeList& narrativesOf(const std::shared_ptr<QOVLocation>& location) {
    static platform::NeverDestroyed<const QOVLocation::NarrativeList> none;
    return location && location->narrativeForecasts() ? *location->narrativeForecasts() : *none;
}

}  // namespace

void ThirtySixHourView::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("ThirtySixHourView", [](platform::ui::InterfaceContext& file) {
        auto panel = file.makeTopLevel<ThirtySixHourView>(Rect(0, 0, 320, 282));
        panel->m_tableView = makeTable(file, Rect(0, kHeaderHeight, 320, 282 - kHeaderHeight));
        PanelLayout::addAll(*panel, {panel->m_tableView});
    });
}

void ThirtySixHourView::awakeFromNib() {
    WeatherTablePanel::awakeFromNib();
    if (m_header) {
        m_header->setShareEnabled(true);
    }
}

void ThirtySixHourView::updateLocation(const std::shared_ptr<QOVLocation>& location) {
    WeatherTablePanel::updateLocation(location);
    updateViewData();
}

void ThirtySixHourView::updateViewData() {
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

void ThirtySixHourView::clearData() { updateViewData(); }

int ThirtySixHourView::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return std::min(kMaximumRows, static_cast<int>(narrativesOf(m_location).size()));
}

std::shared_ptr<platform::ui::TableViewCell> ThirtySixHourView::tableViewCellForRow(
    platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) {
    auto cell = QOVTableViewCell::cellFromTableView<ThirtySixHourCell>(table);
    const auto& forecast = narrativesOf(m_location).at(static_cast<std::size_t>(indexPath.row));
    if (cell && forecast) {
        cell->setData(*forecast, indexPath.row);
    }
    return cell;
}

std::optional<double> ThirtySixHourView::tableViewHeightForRow(platform::ui::TableView&,
                                                               const platform::ui::IndexPath& indexPath) {
    const auto& forecast = narrativesOf(m_location).at(static_cast<std::size_t>(indexPath.row));
    return forecast ? ThirtySixHourCell::heightForForecast(*forecast) : ThirtySixHourCell::kMinimumHeight;
}

std::string ThirtySixHourView::shareDataForOption(int option) {
    WeatherTablePanel::shareDataForOption(option);
    std::string text = localized("This message was sent from a friend.\n\nWeather for ") +
                       (m_location ? m_location->displayName() : std::string()) + "\n\n";
    for (const auto& forecast : narrativesOf(m_location)) {
        text += platform::TextFormat::format("%@\n%@\n\n", {forecast->dayPart(), forecast->text()});
    }
    text += sharingClosingLine();
    QOVMetricsService::sharedInstance()->trackEvent("TF36Hour_Share");
    return text;
}

}  // namespace qov
