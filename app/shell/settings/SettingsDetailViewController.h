#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/TableViewController.h"

namespace qov {

// A chooser of the temperature unit (section 0: Fahrenheit, Celsius, Automatic) and of the start page
// (section 1), each with a checkmark on the chosen row. The choices stay in the screen: nothing else reads or
// stores them. Made by class name only. Main thread only.
class SettingsDetailViewController : public platform::ui::TableViewController {
public:
    enum Section { kTemperatureSection, kStartPageSection, kSectionCount };

    SettingsDetailViewController() : TableViewController(platform::ui::TableViewStyle::Grouped) {}

    int currentUOM() const { return m_currentUOM; }
    int currentStartPage() const { return m_currentStartPage; }

    void viewDidLoad() override;

    int numberOfSectionsInTableView(platform::ui::TableView&) override { return kSectionCount; }
    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::optional<std::string> tableViewTitleForHeaderInSection(platform::ui::TableView&, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    const std::vector<std::string>* rowsOf(int section) const;

    int m_currentUOM = 0;
    int m_currentStartPage = 0;
    std::vector<std::string> m_temperatureUOM;
    std::vector<std::string> m_startPageList;
};

}  // namespace qov
