#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/weather/WeatherTablePanel.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

namespace qov {

class QOVDailyForecast;

// One row per daily forecast of the location (view number 3). With high-resolution data enabled, tapping a
// row opens that day's details (the day part the row shows, high, low, precipitation, wind, humidity, the
// day's sunrise and sunset) until the header's back button or a change of place; a refresh or a unit change
// redraws the details from the current data.
class TenDayView : public WeatherTablePanel {
public:
    using WeatherTablePanel::WeatherTablePanel;
    static void registerInterfaceFile();

    void awakeFromNib() override;
    void updateLocation(const std::shared_ptr<QOVLocation>& location) override;
    void updateViewData() override;
    void clearData() override;
    // QOVSectionHeaderViewDelegate
    void backButtonPressed() override;

    bool isDisplayingHiRad() const { return m_displayingHiRad; }

    std::string headerTitleKey() const override;
    std::string adPage() const override { return "/10day"; }
    std::string adSection() const override { return "10day"; }
    std::string metricsLevel2() const override { return "10DAY"; }
    std::string screenName() const override { return "TF10Day"; }
    std::vector<int> sharingOptions() const override { return {0}; }
    std::string shareDataForOption(int option) override;

    // Table
    int tableViewNumberOfRowsInSection(platform::ui::TableView& table, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& table,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView& table,
                                                const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    // Outlets.
    std::shared_ptr<platform::ui::View> m_columnHeaderView;
    std::shared_ptr<platform::ui::ImageView> m_wxIconView;
    std::shared_ptr<platform::ui::Label> m_shortDescriptionLabel;
    std::shared_ptr<platform::ui::Label> m_highLabel;
    std::shared_ptr<platform::ui::Label> m_lowLabel;
    std::shared_ptr<platform::ui::Label> m_precipLabel;
    std::shared_ptr<platform::ui::Label> m_windLabel;
    std::shared_ptr<platform::ui::Label> m_humidityLabel;
    std::shared_ptr<platform::ui::Label> m_sunriseLabel;
    std::shared_ptr<platform::ui::Label> m_sunsetLabel;
    std::shared_ptr<platform::ui::ScrollView> m_scrollView;

private:
    const std::vector<std::shared_ptr<QOVDailyForecast>>& days() const;
    void showDetails(int row);
    void showList();
    void setDetailMode(bool on);

    bool m_displayingHiRad = false;
    int m_detailRow = 0;
};

}  // namespace qov
