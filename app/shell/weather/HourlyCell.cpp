#include "app/shell/weather/HourlyCell.h"

#include "app/core/model/QOVHourlyForecast.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/services/QOVIconService.h"
#include "app/shell/weather/PanelLayout.h"
#include "app/shell/weather/RowColors.h"
#include "platform/format/DateFormatter.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

void HourlyCell::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("HourlyCell", [](platform::ui::InterfaceContext& file) {
        auto cell = file.makeTopLevel<HourlyCell>(platform::ui::TableViewCellStyle::Default, "HourlyCell");
        cell->setFrame(Rect(0, 0, 320, kRowHeight));
        // The time column takes the detail mode's "12:45 PM"; the arrow's column stays free for the hour rows.
        cell->m_timeLabel = PanelLayout::value(file, Rect(6, 0, 70, kRowHeight), 15.0, true);
        cell->m_wxIconView = file.make<platform::ui::ImageView>(Rect(76, 0, 44, 44));
        cell->m_tempLabel = PanelLayout::value(file, Rect(122, 0, 54, kRowHeight), 18.0, true);
        cell->m_precipLabel = PanelLayout::value(file, Rect(178, 0, 42, kRowHeight), 15.0);
        cell->m_windLabel = PanelLayout::value(file, Rect(222, 0, 84, kRowHeight), 13.0);
        cell->m_arrowImage = file.make<platform::ui::ImageView>(Rect(306, 15, 10, 14));
        cell->m_arrowImage->setImage(platform::ui::Image::named("row-arrow.png"));
        PanelLayout::addAll(*cell->contentView(), {cell->m_timeLabel, cell->m_wxIconView, cell->m_tempLabel,
                                                   cell->m_precipLabel, cell->m_windLabel, cell->m_arrowImage});
    });
}

void HourlyCell::awakeFromNib() {
    QOVTableViewCell::awakeFromNib();
    setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
}

void HourlyCell::setData(const QOVHourlyForecast& forecast, const std::optional<std::string>& timeZone,
                         const std::string& dateFormat, int row) {
    setBackgroundColor(rowColorForRow(row));
    platform::DateFormatter time;
    time.setDateFormat(dateFormat);
    time.setTimeZone(timeZone.value_or("UTC"));
    m_timeLabel->setText(time.stringFromDate(forecast.date()));
    m_wxIconView->setImage(QOVIconService::weatherIcon(forecast.weatherIconIndex(), 1));
    m_tempLabel->setText(QOVFormattingService::formatTemperature(forecast.temperature()));
    m_precipLabel->setText(QOVFormattingService::formatPercent(forecast.chanceOfPrecipitation()));
    m_windLabel->setText(
        QOVFormattingService::formatWindSpeed(forecast.windSpeed(), forecast.windDirectionDescription()));
}

}  // namespace qov
