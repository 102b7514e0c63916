#include "app/shell/weather/BeachForecastCell.h"

#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVTide.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/weather/BeachTideMatch.h"
#include "app/shell/weather/PanelLayout.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/format/DateFormatter.h"
#include "platform/format/DeviceTimeZone.h"
#include "platform/format/TextFormat.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::TextFormat;
using platform::ui::Rect;
using Format = QOVFormattingService;

namespace {

constexpr double kBaseHeight = 100.0;
constexpr double kTideRowHeight = 21.0;

std::string zoneName(const std::optional<std::string>& timeZone) { return timeZone.value_or("UTC"); }

}  // namespace

void BeachForecastCell::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("BeachForecastCell", [](platform::ui::InterfaceContext& file) {
        auto cell =
            file.makeTopLevel<BeachForecastCell>(platform::ui::TableViewCellStyle::Default, "BeachForecastCell");
        cell->setFrame(Rect(0, 0, 320, kBaseHeight));
        cell->m_dateHeader = PanelLayout::value(file, Rect(15, 2, 290, 22), 16.0, true);
        cell->m_seaTempAndState = PanelLayout::value(file, Rect(15, 24, 290, 20), 14.0);
        cell->m_waves = PanelLayout::value(file, Rect(15, 44, 290, 20), 14.0);
        cell->m_windDesc = PanelLayout::value(file, Rect(15, 64, 290, 20), 14.0);
        PanelLayout::addAll(*cell->contentView(),
                            {cell->m_dateHeader, cell->m_seaTempAndState, cell->m_waves, cell->m_windDesc});
    });
}

double BeachForecastCell::heightFor(const QOVMarineForecast& period, const std::vector<std::shared_ptr<QOVTide>>& tides,
                                    const std::optional<std::string>& timeZone) {
    return kBaseHeight + kTideRowHeight * static_cast<double>(BeachTideMatch::tidesFor(period, tides, timeZone).size());
}

void BeachForecastCell::awakeFromNib() {
    QOVTableViewCell::awakeFromNib();
    setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
}

void BeachForecastCell::updateUsingForecast(const QOVMarineForecast& period,
                                            const std::vector<std::shared_ptr<QOVTide>>& tides,
                                            const std::optional<std::string>& timeZone) {
    update(period, tides, timeZone, zoneName(timeZone));
}

void BeachForecastCell::updateUsingForecast(const QOVMarineForecast& period,
                                            const std::vector<std::shared_ptr<QOVTide>>& tides) {
    update(period, tides, platform::DeviceTimeZone::name(), "UTC");
}

void BeachForecastCell::update(const QOVMarineForecast& period, const std::vector<std::shared_ptr<QOVTide>>& tides,
                               const std::optional<std::string>& timeZone, const std::string& tideTimeZone) {
    while (const auto label = viewWithTag(kTideLabelTag)) {
        label->removeFromSuperview();
    }
    platform::DateFormatter day;
    day.setDateFormat("EEE, MMM d");
    day.setTimeZone(zoneName(timeZone));
    m_dateHeader->setText(TextFormat::format("%@ - %@", {day.stringFromDate(period.date()), period.name()}));
    m_seaTempAndState->setText(
        TextFormat::format("%@, %@", {Format::formatTemperature(period.seaTemp()), period.seaDescription()}));
    m_waves->setText(period.waveDescription());
    m_windDesc->setText(TextFormat::format(
        "%@, %@", {period.wind(), Format::formatWindSpeed(period.windSpeed(), period.cardinalWindDirection())}));
    const auto shown = BeachTideMatch::tidesFor(period, tides, timeZone);
    double y = kTideTop;
    for (const auto& tide : shown) {
        addTideRow(*tide, y, tideTimeZone);
        y += kTideSpacing;
    }
    m_numberOfTide = static_cast<int>(shown.size());
    m_cellHeight = kBaseHeight + kTideRowHeight * m_numberOfTide;
}

void BeachForecastCell::addTideRow(const QOVTide& tide, double y, const std::string& timeZone) {
    platform::DateFormatter time;
    time.setDateFormat("h:mm a");
    time.setTimeZone(timeZone);
    const struct {
        double x;
        double width;
        std::string text;
    } columns[] = {
        {15, 73, tide.isLow() ? "Low Tide" : "High Tide"},
        {102, 89, time.stringFromDate(tide.date())},
        {202, 70, tide.height() ? Format::formatDecimalDistance(*tide.height()) : std::string()},
    };
    for (const auto& column : columns) {
        auto label = std::make_shared<platform::ui::Label>(Rect(column.x, y, column.width, kTideRowHeight));
        applyLabelTheme(*label);
        label->setText(column.text);
        label->setTag(kTideLabelTag);
        contentView()->addSubview(label);
    }
}

void BeachForecastCell::applyLabelTheme(platform::ui::Label& label) {
    label.setBackgroundColor(QOVThemeService::backgroundColor());
    label.setTextColor(platform::gfx::Color::white());
    label.setTextAlignment(platform::gfx::TextAlignment::Left);
    label.setFont(platform::gfx::Font::condensedSystemFont(15.0));
}

}  // namespace qov
