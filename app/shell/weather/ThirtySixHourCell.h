#pragma once

#include <memory>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVNarrativeForecast;

// One row of the 36-hour panel: the day part's name, its icon and the narrative, wrapped below the name.
class ThirtySixHourCell : public QOVTableViewCell {
public:
    static constexpr double kMinimumHeight = 76.0;

    using QOVTableViewCell::QOVTableViewCell;
    static void registerInterfaceFile();
    // The height a row needs to show the whole narrative.
    static double heightForForecast(const QOVNarrativeForecast& forecast);

    void awakeFromNib() override;
    void setData(const QOVNarrativeForecast& forecast, int row);

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_timeOfDayLabel;
    std::shared_ptr<platform::ui::ImageView> m_wxIconView;
    std::shared_ptr<platform::ui::Label> m_descriptionLabel;
};

}  // namespace qov
