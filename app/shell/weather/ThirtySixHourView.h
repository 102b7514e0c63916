#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/weather/WeatherTablePanel.h"

namespace qov {

// The narrative forecast of the next 36 hours (view number 2): at most three day parts, each with its name,
// icon and text. The shared text lists every narrative forecast.
class ThirtySixHourView : public WeatherTablePanel {
public:
    static constexpr int kMaximumRows = 3;

    using WeatherTablePanel::WeatherTablePanel;
    static void registerInterfaceFile();

    void awakeFromNib() override;
    void updateLocation(const std::shared_ptr<QOVLocation>& location) override;
    void updateViewData() override;
    void clearData() override;

    std::string headerTitleKey() const override { return "weather.header.36hour"; }
    std::string adPage() const override { return "/36hr"; }
    std::string adSection() const override { return "36hour"; }
    std::string metricsLevel2() const override { return "36HOUR"; }
    std::string screenName() const override { return "TF36Hour"; }
    std::vector<int> sharingOptions() const override { return {0}; }
    std::string shareDataForOption(int option) override;

    // Table
    int tableViewNumberOfRowsInSection(platform::ui::TableView& table, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& table,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView& table,
                                                const platform::ui::IndexPath& indexPath) override;
};

}  // namespace qov
