#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/weather/HourlyRows.h"
#include "app/shell/weather/WeatherTablePanel.h"

namespace qov {

// The hourly forecasts of the location (view number 1), one row per hour. With high-resolution data enabled
// the hours it covers come from it, and tapping such a row lists that hour's quarter hours (detail mode)
// until the header's back button. Times are in the location's time zone.
class HourlyView : public WeatherTablePanel {
public:
    using WeatherTablePanel::WeatherTablePanel;
    static void registerInterfaceFile();

    void awakeFromNib() override;
    void updateLocation(const std::shared_ptr<QOVLocation>& location) override;
    void updateViewData() override;
    void clearData() override;
    void setDisplayingHiRadData(bool displaying);
    bool isDisplayingHiRadData() const { return m_displayingHiRadData; }
    void displayHiRadData(const HourlyRows::Forecasts& group);
    // QOVSectionHeaderViewDelegate
    void backButtonPressed() override;

    std::string headerTitleKey() const override;
    std::string adPage() const override { return "/hbhf"; }
    std::string adSection() const override { return "hourly"; }
    std::string metricsLevel2() const override { return "HOURLY"; }
    std::string screenName() const override { return "TFHourly"; }
    std::vector<int> sharingOptions() const override { return {0}; }
    std::string shareDataForOption(int option) override;

    // The forecasts of the rows shown now.
    const HourlyRows::Forecasts& workingData() const { return m_workingData; }

    // Table
    int tableViewNumberOfRowsInSection(platform::ui::TableView& table, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& table,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    // Outlet.
    std::shared_ptr<platform::ui::View> m_columnHeaderView;

private:
    HourlyRows m_rows;
    HourlyRows::Forecasts m_workingData;
    bool m_displayingHiRadData = false;
};

}  // namespace qov
