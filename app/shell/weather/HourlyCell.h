#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVHourlyForecast;

// One row of the hourly panel: time, icon, temperature, chance of precipitation and wind, with an arrow on
// rows that open high-resolution details.
class HourlyCell : public QOVTableViewCell {
public:
    static constexpr double kRowHeight = 44.0;

    using QOVTableViewCell::QOVTableViewCell;
    static void registerInterfaceFile();

    void awakeFromNib() override;
    // The forecast's time in the zone with the date pattern; the row's parity picks the background.
    void setData(const QOVHourlyForecast& forecast, const std::optional<std::string>& timeZone,
                 const std::string& dateFormat, int row);

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_timeLabel;
    std::shared_ptr<platform::ui::ImageView> m_wxIconView;
    std::shared_ptr<platform::ui::Label> m_tempLabel;
    std::shared_ptr<platform::ui::Label> m_precipLabel;
    std::shared_ptr<platform::ui::Label> m_windLabel;
    std::shared_ptr<platform::ui::ImageView> m_arrowImage;
};

}  // namespace qov
