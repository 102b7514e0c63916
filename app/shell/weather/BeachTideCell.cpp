#include "app/shell/weather/BeachTideCell.h"

#include "app/core/model/QOVTide.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/weather/BeachForecastCell.h"
#include "app/shell/weather/PanelLayout.h"
#include "platform/format/DateFormatter.h"
#include "platform/format/DeviceTimeZone.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

void BeachTideCell::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("BeachTideCell", [](platform::ui::InterfaceContext& file) {
        auto cell = file.makeTopLevel<BeachTideCell>(platform::ui::TableViewCellStyle::Default, "BeachTideCell");
        cell->setFrame(Rect(0, 0, 320, kRowHeight));
        cell->m_dateLabel = PanelLayout::value(file, Rect(15, 0, 170, kRowHeight), 15.0);
        cell->m_typeLabel = PanelLayout::value(file, Rect(190, 0, 50, kRowHeight), 15.0);
        cell->m_heightLabel = PanelLayout::value(file, Rect(245, 0, 65, kRowHeight), 15.0);
        for (const auto& label : {cell->m_dateLabel, cell->m_typeLabel, cell->m_heightLabel}) {
            BeachForecastCell::applyLabelTheme(*label);
        }
        PanelLayout::addAll(*cell->contentView(), {cell->m_dateLabel, cell->m_typeLabel, cell->m_heightLabel});
    });
}

void BeachTideCell::awakeFromNib() {
    QOVTableViewCell::awakeFromNib();
    setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
}

void BeachTideCell::updateUsingTide(const QOVTide& tide) {
    platform::DateFormatter date;
    date.setDateFormat("EEE, MMM d h:mm a");
    date.setTimeZone(platform::DeviceTimeZone::name());
    m_dateLabel->setText(date.stringFromDate(tide.date()));
    m_typeLabel->setText(tide.isLow() ? "Low" : "High");
    m_heightLabel->setText(tide.height() ? QOVFormattingService::formatDecimalDistance(*tide.height()) : std::string());
}

}  // namespace qov
