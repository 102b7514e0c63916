#include "app/shell/weather/TenDayCell.h"

#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/services/QOVIconService.h"
#include "app/shell/weather/DayLabels.h"
#include "app/shell/weather/PanelLayout.h"
#include "app/shell/weather/RowColors.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/format/TextFormat.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

namespace {

constexpr double kShortLineHeight = 15.0;
constexpr double kLongLineGrowth = 29.0;

// The snow line of a part: empty when it has no phrase.
std::string snowLine(const std::string& head, const QOVDayPartForecast* part) {
    if (!part || part->snowAccumulationPhrase().empty()) {
        return {};
    }
    return head + part->snowAccumulationPhrase();
}

// The height of the first snow line on its own: 0 without one, 59 when short, 82 when long.
double heightWithLine(const std::string& line) {
    if (line.empty()) {
        return TenDayCell::kBaseHeight;
    }
    return line.size() >= TenDayCell::kLongSnowLine ? 82.0 : 59.0;
}

}  // namespace

void TenDayCell::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("TenDayCell", [](platform::ui::InterfaceContext& file) {
        auto cell = file.makeTopLevel<TenDayCell>(platform::ui::TableViewCellStyle::Default, "TenDayCell");
        cell->setFrame(Rect(0, 0, 320, kBaseHeight));
        cell->m_dayOfWeekLabel = PanelLayout::value(file, Rect(8, 4, 104, 20), 16.0, true);
        cell->m_dayOfMonthLabel = PanelLayout::value(file, Rect(8, 24, 104, 18), 13.0);
        cell->m_dayOfMonthLabel->setTextColor(PanelLayout::captionColor());
        cell->m_wxIconView = file.make<platform::ui::ImageView>(Rect(112, 1, 44, 44));
        cell->m_tempLabel = PanelLayout::value(file, Rect(158, 0, 100, kBaseHeight), 16.0, true);
        cell->m_precipLabel = PanelLayout::value(file, Rect(262, 0, 42, kBaseHeight), 15.0);
        cell->m_arrowImage = file.make<platform::ui::ImageView>(Rect(306, 16, 10, 14));
        cell->m_arrowImage->setImage(platform::ui::Image::named("row-arrow.png"));
        PanelLayout::addAll(*cell->contentView(), {cell->m_dayOfWeekLabel, cell->m_dayOfMonthLabel, cell->m_wxIconView,
                                                   cell->m_tempLabel, cell->m_precipLabel, cell->m_arrowImage});
    });
}

bool TenDayCell::isNightOnly(const QOVLocation& location, const QOVDailyForecast& day) {
    return location.isEvening() || !day.dayForecast();
}

std::shared_ptr<QOVDayPartForecast> TenDayCell::shownPart(const QOVLocation& location, const QOVDailyForecast& day,
                                                          int row) {
    return row == 0 && isNightOnly(location, day) ? day.nightForecast() : day.dayForecast();
}

std::string TenDayCell::highText(const QOVLocation& location, const QOVDailyForecast& day, int row) {
    return row == 0 && isNightOnly(location, day) ? kNoHigh
                                                  : QOVFormattingService::formatTemperature(day.highTemperature());
}

double TenDayCell::heightForForecast(const QOVDailyForecast& day) {
    const std::string night = snowLine("Night: ", day.nightForecast().get());
    const std::string dayLine = snowLine("Day: ", day.dayForecast().get());
    if (dayLine.empty()) {
        return heightWithLine(night);
    }
    if (night.empty()) {
        return heightWithLine(dayLine);
    }
    return heightWithLine(night) + (dayLine.size() >= kLongSnowLine ? 80.0 : 34.0);
}

void TenDayCell::awakeFromNib() {
    QOVTableViewCell::awakeFromNib();
    setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
}

void TenDayCell::setData(const QOVDailyForecast& day, int row, const QOVLocation& location) {
    while (const auto line = viewWithTag(kSnowLineTag)) {
        line->removeFromSuperview();
    }
    setFrame(Rect(frame().origin, platform::ui::Size{frame().size.width, kBaseHeight}));
    setBackgroundColor(rowColorForRow(row));
    const DayLabels labels = DayLabels::forDay(day, row, location);
    m_dayOfWeekLabel->setText(labels.dayName(isNightOnly(location, day)));
    m_dayOfMonthLabel->setText(labels.dayOfMonth);
    setCellWithTemp(highText(location, day, row), QOVFormattingService::formatTemperature(day.lowTemperature()),
                    shownPart(location, day, row).get());
    const double y = kBaseHeight + toggleSnowAccumulatorCell("Day: ", day.dayForecast().get(), kBaseHeight);
    toggleSnowAccumulatorCell("Night: ", day.nightForecast().get(), y);
}

void TenDayCell::setCellWithTemp(const std::string& high, const std::string& low, const QOVDayPartForecast* part) {
    m_wxIconView->setImage(part ? QOVIconService::weatherIcon(part->weatherIconIndex(), 1)
                                : QOVIconService::emptyWeatherIconForSize(1));
    m_tempLabel->setText(platform::TextFormat::format("%@ / %@", {high, low}));
    m_precipLabel->setText(part ? QOVFormattingService::formatPercent(part->chanceOfPrecipitation()) : std::string());
}

double TenDayCell::toggleSnowAccumulatorCell(const std::string& head, const QOVDayPartForecast* part, double y) {
    const std::string text = snowLine(head, part);
    if (text.empty()) {
        return 0.0;
    }
    const bool isLong = text.size() >= kLongSnowLine;
    auto label = std::make_shared<platform::ui::Label>(
        Rect(10, y, 300, isLong ? kShortLineHeight + kLongLineGrowth : kShortLineHeight));
    label->setBackgroundColor(QOVThemeService::backgroundColor());
    label->setFont(platform::gfx::Font::condensedSystemFont(13.0, true));
    label->setTextColor(platform::gfx::Color::white());
    label->setText(text);
    label->setTag(kSnowLineTag);
    if (isLong) {
        label->setNumberOfLines(2);
        label->setLineBreakMode(platform::ui::LineBreakMode::WordWrap);
    }
    const platform::ui::Rect cell = frame();
    setFrame(Rect(cell.origin, platform::ui::Size{cell.size.width,
                                                  cell.size.height + (isLong ? kLongLineGrowth : kShortLineHeight)}));
    addSubview(label);
    return isLong ? 36.0 : 22.0;
}

}  // namespace qov
