#include "app/shell/weather/WeatherTablePanel.h"

#include "app/shell/weather/RowColors.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/ui/InterfaceContext.h"
#include "platform/ui/TableViewCell.h"

namespace qov {

void WeatherTablePanel::awakeFromNib() {
    BaseWeatherView::awakeFromNib();
    if (m_tableView) {
        const auto self = shared_from_this();
        m_tableView->setDataSource(std::dynamic_pointer_cast<platform::ui::TableViewDataSource>(self));
        m_tableView->setDelegate(std::dynamic_pointer_cast<platform::ui::TableViewDelegate>(self));
        m_tableView->setBackgroundColor(QOVThemeService::backgroundColor());
    }
}

void WeatherTablePanel::tableViewWillDisplayCell(platform::ui::TableView&, platform::ui::TableViewCell& cell,
                                                 const platform::ui::IndexPath& indexPath) {
    cell.setBackgroundColor(rowColorForRow(indexPath.row));
}

std::shared_ptr<platform::ui::TableView> WeatherTablePanel::makeTable(platform::ui::InterfaceContext& file,
                                                                      const platform::ui::Rect& frame) {
    auto table = file.make<platform::ui::TableView>(frame);
    table->setAutoresizingMask(platform::ui::kAutoresizingFlexibleHeight);
    table->setSeparatorColor(platform::gfx::Color::darkGray());
    return table;
}

}  // namespace qov
