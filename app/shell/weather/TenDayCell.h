#pragma once

#include <memory>
#include <string>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVDailyForecast;
class QOVDayPartForecast;
class QOVLocation;

// One row of the 10-day panel: the day's name ("Today" / "Tonight" when the forecast's date is today in the
// location's time zone, else the weekday there), its date, icon, high / low and chance of precipitation, and
// a line per expected snow accumulation (labels tagged kSnowLineTag, removed before the row is reused).
//
// Night-only rule: a day counts as night-only when the location is in its evening or the day has no day
// part. The first row of a night-only day shows the night part and "---" as high.
class TenDayCell : public QOVTableViewCell {
public:
    static constexpr double kBaseHeight = 46.0;
    static constexpr int kSnowLineTag = 9023;
    static constexpr std::size_t kLongSnowLine = 48;
    static constexpr const char* kNoHigh = "---";

    using QOVTableViewCell::QOVTableViewCell;
    static void registerInterfaceFile();

    static bool isNightOnly(const QOVLocation& location, const QOVDailyForecast& day);
    // The day part a row shows: the night part on the first row of a night-only day, else the day part.
    static std::shared_ptr<QOVDayPartForecast> shownPart(const QOVLocation& location, const QOVDailyForecast& day,
                                                         int row);
    static std::string highText(const QOVLocation& location, const QOVDailyForecast& day, int row);
    // 46, taller by the snow lines the day needs.
    static double heightForForecast(const QOVDailyForecast& day);

    void awakeFromNib() override;
    void setData(const QOVDailyForecast& day, int row, const QOVLocation& location);
    // The icon (44 when the part is missing), "high / low" and the part's chance of precipitation.
    void setCellWithTemp(const std::string& high, const std::string& low, const QOVDayPartForecast* part);
    // Adds the part's snow line at y: answers the vertical space used (22, 36 for a two-line text, 0 without
    // a phrase) and grows the cell.
    double toggleSnowAccumulatorCell(const std::string& head, const QOVDayPartForecast* part, double y);

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_dayOfWeekLabel;
    std::shared_ptr<platform::ui::Label> m_dayOfMonthLabel;
    std::shared_ptr<platform::ui::ImageView> m_wxIconView;
    std::shared_ptr<platform::ui::Label> m_tempLabel;
    std::shared_ptr<platform::ui::Label> m_precipLabel;
    std::shared_ptr<platform::ui::ImageView> m_arrowImage;
};

}  // namespace qov
