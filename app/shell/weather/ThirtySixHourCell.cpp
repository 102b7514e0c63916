#include "app/shell/weather/ThirtySixHourCell.h"

#include <algorithm>

#include "app/core/model/QOVNarrativeForecast.h"
#include "app/shell/services/QOVIconService.h"
#include "app/shell/weather/PanelLayout.h"
#include "app/shell/weather/RowColors.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

namespace {

constexpr double kTextLeft = 60.0;
constexpr double kTextTop = 26.0;
constexpr double kTextWidth = 252.0;
constexpr double kTextSize = 13.0;

}  // namespace

void ThirtySixHourCell::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("ThirtySixHourCell", [](platform::ui::InterfaceContext& file) {
        auto cell =
            file.makeTopLevel<ThirtySixHourCell>(platform::ui::TableViewCellStyle::Default, "ThirtySixHourCell");
        cell->setFrame(Rect(0, 0, 320, kMinimumHeight));
        cell->m_timeOfDayLabel = PanelLayout::value(file, Rect(8, 4, 300, 20), 16.0, true);
        cell->m_wxIconView = file.make<platform::ui::ImageView>(Rect(8, kTextTop, 44, 44));
        cell->m_descriptionLabel = PanelLayout::value(file, Rect(kTextLeft, kTextTop, kTextWidth, 44), kTextSize);
        cell->m_descriptionLabel->setNumberOfLines(0);
        cell->m_descriptionLabel->setLineBreakMode(platform::ui::LineBreakMode::WordWrap);
        PanelLayout::addAll(*cell->contentView(),
                            {cell->m_timeOfDayLabel, cell->m_wxIconView, cell->m_descriptionLabel});
    });
}

double ThirtySixHourCell::heightForForecast(const QOVNarrativeForecast& forecast) {
    const double text =
        platform::gfx::Font::condensedSystemFont(kTextSize).sizeOfText(forecast.text(), kTextWidth).height;
    return std::max(kMinimumHeight, kTextTop + text + 6.0);
}

void ThirtySixHourCell::awakeFromNib() {
    QOVTableViewCell::awakeFromNib();
    setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
}

void ThirtySixHourCell::setData(const QOVNarrativeForecast& forecast, int row) {
    setBackgroundColor(rowColorForRow(row));
    m_timeOfDayLabel->setText(forecast.dayPart());
    m_wxIconView->setImage(QOVIconService::weatherIcon(forecast.weatherIconIndex(), 1));
    m_descriptionLabel->setText(forecast.text());
    m_descriptionLabel->setFrame(Rect(kTextLeft, kTextTop, kTextWidth, heightForForecast(forecast) - kTextTop - 4.0));
}

}  // namespace qov
