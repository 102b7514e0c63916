#pragma once

#include <memory>

#include "app/shell/weather/BaseWeatherView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

// A weather panel whose content is a table of rows under the header (hourly, 36-hour, 10-day, beach and
// boat): the panel is the table's data source and delegate, the table takes the theme's background and rows
// alternate the theme's row colours.
class WeatherTablePanel : public BaseWeatherView,
                          public platform::ui::TableViewDataSource,
                          public platform::ui::TableViewDelegate {
public:
    using BaseWeatherView::BaseWeatherView;

    void awakeFromNib() override;
    void tableViewWillDisplayCell(platform::ui::TableView& table, platform::ui::TableViewCell& cell,
                                  const platform::ui::IndexPath& indexPath) override;

    // A themed table that grows with the panel (for the interface files).
    static std::shared_ptr<platform::ui::TableView> makeTable(platform::ui::InterfaceContext& file,
                                                              const platform::ui::Rect& frame);

    // Outlet.
    std::shared_ptr<platform::ui::TableView> m_tableView;
};

}  // namespace qov
