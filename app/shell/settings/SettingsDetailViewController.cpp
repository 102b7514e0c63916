#include "app/shell/settings/SettingsDetailViewController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

namespace {

constexpr const char* kCellIdentifier = "Cell";

std::vector<std::string> localizedAll(std::initializer_list<const char*> keys) {
    std::vector<std::string> texts;
    for (const char* key : keys) {
        texts.push_back(localized(key));
    }
    return texts;
}

}  // namespace

void SettingsDetailViewController::viewDidLoad() {
    TableViewController::viewDidLoad();
    m_currentUOM = 2;
    m_currentStartPage = 0;
    m_temperatureUOM = localizedAll({"Fahrenheit", "Celsius", "Automatic"});
    m_startPageList =
        localizedAll({"Current Conditions", "Hourly", "36 Hour", "10 Day", "Map", "Video Center", "My Locations"});
}

const std::vector<std::string>* SettingsDetailViewController::rowsOf(int section) const {
    switch (section) {
        case kTemperatureSection: return &m_temperatureUOM;
        case kStartPageSection: return &m_startPageList;
        default: return nullptr;
    }
}

int SettingsDetailViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int section) {
    const auto* rows = rowsOf(section);
    return rows ? static_cast<int>(rows->size()) : 0;
}

std::optional<std::string> SettingsDetailViewController::tableViewTitleForHeaderInSection(platform::ui::TableView&,
                                                                                          int section) {
    return localized(section == kTemperatureSection ? "Temperature" : "Set Start Page");
}

std::shared_ptr<platform::ui::TableViewCell> SettingsDetailViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell =
            std::make_shared<platform::ui::TableViewCell>(platform::ui::TableViewCellStyle::Default, kCellIdentifier);
    }
    const auto* rows = rowsOf(indexPath.section);
    const auto row = static_cast<std::size_t>(indexPath.row);
    cell->textLabel()->setText(rows && row < rows->size() ? (*rows)[row] : std::string());
    const int chosen = indexPath.section == kTemperatureSection ? m_currentUOM : m_currentStartPage;
    cell->setAccessoryType(indexPath.row == chosen ? platform::ui::TableViewCellAccessoryType::Checkmark
                                                   : platform::ui::TableViewCellAccessoryType::None);
    return cell;
}

void SettingsDetailViewController::tableViewDidSelectRow(platform::ui::TableView& tableView,
                                                         const platform::ui::IndexPath& indexPath) {
    if (indexPath.section == kTemperatureSection) {
        m_currentUOM = indexPath.row;
    } else if (indexPath.section == kStartPageSection) {
        m_currentStartPage = indexPath.row;
    }
    tableView.reloadData();
}

}  // namespace qov
