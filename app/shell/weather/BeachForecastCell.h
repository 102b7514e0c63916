#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVMarineForecast;
class QOVTide;

// One marine forecast period of the beach and boat panel: its date and name, sea temperature and state,
// waves, wind, and a row per tide of that period (kind, time, height), all in the location's time zone. The
// tide rows of an earlier update are removed first, so a reused cell shows only its own.
class BeachForecastCell : public QOVTableViewCell {
public:
    static constexpr int kTideLabelTag = 9024;
    static constexpr double kTideTop = 92.0;
    static constexpr double kTideSpacing = 22.0;

    using QOVTableViewCell::QOVTableViewCell;
    static void registerInterfaceFile();
    // 100 plus 21 per tide shown.
    static double heightFor(const QOVMarineForecast& period, const std::vector<std::shared_ptr<QOVTide>>& tides,
                            const std::optional<std::string>& timeZone);

    void awakeFromNib() override;
    void updateUsingForecast(const QOVMarineForecast& period, const std::vector<std::shared_ptr<QOVTide>>& tides,
                             const std::optional<std::string>& timeZone);
    // The same for a cell without a location: the day and the tides of the period in the device's time zone, the
    // tide times at zero offset from GMT. Nothing in the application uses it.
    void updateUsingForecast(const QOVMarineForecast& period, const std::vector<std::shared_ptr<QOVTide>>& tides);
    // The tide rows' look: the theme's background, white, left aligned.
    static void applyLabelTheme(platform::ui::Label& label);
    double cellHeight() const { return m_cellHeight; }

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_dateHeader;
    std::shared_ptr<platform::ui::Label> m_seaTempAndState;
    std::shared_ptr<platform::ui::Label> m_waves;
    std::shared_ptr<platform::ui::Label> m_windDesc;

private:
    void update(const QOVMarineForecast& period, const std::vector<std::shared_ptr<QOVTide>>& tides,
                const std::optional<std::string>& dayTimeZone, const std::string& tideTimeZone);
    void addTideRow(const QOVTide& tide, double y, const std::string& timeZone);

    int m_numberOfTide = 0;
    double m_cellHeight = 100.0;
};

}  // namespace qov
