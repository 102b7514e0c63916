#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/weather/WeatherTablePanel.h"

namespace qov {

class QOVMarineForecast;
class QOVTide;

// The location's marine forecast (view number 4), offered when marine forecasts are enabled and the
// location's beach-and-boat forecast is valid: one row per period with sea, waves, wind and the period's tides.
// No sharing and no header buttons.
class BeachView : public WeatherTablePanel {
public:
    using WeatherTablePanel::WeatherTablePanel;
    static void registerInterfaceFile();

    void updateLocation(const std::shared_ptr<QOVLocation>& location) override;
    void updateViewData() override;
    void clearData() override;

    std::string headerTitleKey() const override { return "weather.header.beachandboat"; }
    std::string adPage() const override { return "/bnb"; }
    std::string adSection() const override { return "bnb"; }
    std::string metricsLevel2() const override { return "BNB"; }
    std::string screenName() const override { return "TFBNB"; }

    // Table
    int tableViewNumberOfRowsInSection(platform::ui::TableView& table, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& table,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView& table,
                                                const platform::ui::IndexPath& indexPath) override;

private:
    std::vector<std::shared_ptr<QOVTide>> m_tides;
    std::vector<std::shared_ptr<QOVMarineForecast>> m_marineForecast;
};

}  // namespace qov
