#include "app/shell/about/HelpViewController.h"

#include <array>
#include <span>

#include "app/shell/about/HelpWebViewController.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/NavigationController.h"

namespace qov {

namespace {

constexpr const char* kCellIdentifier = "HelpCell";
constexpr std::array<const char*, 6> kTopics{"Tips and Tricks", "About Search",         "About Maps",
                                             "About Weather",   "About Severe Weather", "About Video"};
constexpr std::array<const char*, 6> kPages{"helpTips",    "helpSearch", "helpMaps",
                                            "helpWeather", "helpSevere", "helpVideo"};

// The tips of each topic, in kTopics' order (localisation keys).
constexpr std::array<const char*, 8> kTipsAndTricks{
    "Customize the weather layers on your map (clouds, radar, temp, etc) from the map management page, accessed "
    "from the bottom right corner of the map",
    "Display and check conditions and forecasts for schools, parks, golf courses and other local points on the map "
    "by using the Neighborhood menu on the map management page",
    "Change the transparency level of the map by using the sliding scale on the map management page",
    "Share severe weather alerts, current conditions and 36-hour forecast via email with contacts in your address "
    "book using the share button at the bottom of the applicable page",
    "Save and nickname (Mom's House, Anna's School, etc) your favorite locations from the Locations page",
    "Units of measure can be converted to metrics on the Locations page",
    "Change location using the search bar at the top of the page",
    "Save and manage favorite locations from the Locations page"};
constexpr std::array<const char*, 3> kSearchTips{
    "Use the search field at the top of the page to search by city, city/state or zip code",
    "Use the find me icon on the Locations page to have your current location plotted to the map",
    "Access your recent and favorite locations from the Locations page"};
constexpr std::array<const char*, 6> kMapsTips{
    "Radar imagery is updated every 5 minutes across the US and every 15 minutes across Europe.",
    "Satellite (cloud) imagery is updated every 15 minutes across the US",
    "Tap the location pins on the map to see current conditions. Tap the current conditions bubble to get detailed "
    "conditions.",
    "Access additional weather layers and neighborhood landmarks by tapping the bottom right corner of the map",
    "Manage the transparency level of the map from the maps management page, accessed through the bottom right "
    "corner of the map",
    "Map data and imagery are provided by Qovara's map partners."};
constexpr std::array<const char*, 7> kWeatherTips{
    "Proprietary HiRad technology provides current conditions for 1.9 million locations for the contiguous United "
    "States updated every 20 minutes",
    "Hourly Forecast is updated once an hour",
    "Detailed 36-Hour forecast is updated up to three times per day",
    "10-Day Forecast is updated two times per day",
    "International forecast is updated 4 times per day",
    "Beach and Boat forecast is only displayed for coastal locations.",
    "Share current conditions and 36-hour forecast via email with contacts in your address book"};
constexpr std::array<const char*, 2> kSevereTips{
    "Severe weather alerts are based on your primary or current location",
    "Share severe weather alerts via email with contacts in your address book"};
constexpr std::array<const char*, 3> kVideoTips{
    "Local forecast video is available for the top 100 U.S. cities, presented by an on-camera meteorologist and "
    "updated every 30 minutes.",
    "Regional forecast videos are available for all other U.S. cities, presented by an on-camera meteorologist and "
    "updated at least twice per day.",
    "International forecast videos are available for a select number of world cities, presented by an on-camera "
    "meteorologist and updated at least once per day."};
// A constant table: no destructor of it runs at exit.
constexpr std::array<std::span<const char* const>, 6> kTipKeys{kTipsAndTricks, kSearchTips, kMapsTips,
                                                               kWeatherTips,   kSevereTips, kVideoTips};

}  // namespace

HelpViewController::HelpViewController(const std::string& nibName) : QOVViewController(nibName) {
    for (const char* topic : kTopics) {
        m_helpContents.push_back(localized(topic));
    }
}

std::string HelpViewController::getHelpURL(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kPages.size()) {
        return {};
    }
    const auto path = platform::Bundle::main().pathForResource(kPages[static_cast<std::size_t>(index)], "html");
    return path.empty() ? std::string() : "file://" + path.string();
}

std::optional<std::vector<std::string>> HelpViewController::getHelpItems(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kTipKeys.size()) {
        return std::nullopt;
    }
    std::vector<std::string> tips;
    for (const char* key : kTipKeys[static_cast<std::size_t>(index)]) {
        tips.push_back(localized(key));
    }
    return tips;
}

void HelpViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    setTitle(localized("Help"));
    const auto self = std::static_pointer_cast<HelpViewController>(shared_from_this());
    if (m_tableView) {
        m_tableView->setDataSource(std::static_pointer_cast<platform::ui::TableViewDataSource>(self));
        m_tableView->setDelegate(std::static_pointer_cast<platform::ui::TableViewDelegate>(self));
        m_tableView->reloadData();
    }
    if (m_emailButton) {
        m_emailButton->addAction(
            platform::ui::kControlEventTouchUpInside,
            platform::bindWeak(self, [](HelpViewController& help, platform::ui::Control&) { help.sendHelpEmail(); }));
    }
}

void HelpViewController::viewDidUnload() {
    QOVViewController::viewDidUnload();
    m_tableView.reset();
    m_emailButton.reset();
}

void HelpViewController::applyTheme() {
    QOVViewController::applyTheme();
    if (view()) {
        view()->setBackgroundColor(platform::gfx::Color::white());
    }
}

void HelpViewController::sendHelpEmail() {
    if (const auto master = masterViewController()) {
        master->createEmailWithMessage("", "", {kSupportAddress}, false);
    }
}

int HelpViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return static_cast<int>(m_helpContents.size());
}

std::shared_ptr<platform::ui::TableViewCell> HelpViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell =
            std::make_shared<platform::ui::TableViewCell>(platform::ui::TableViewCellStyle::Default, kCellIdentifier);
    }
    cell->setAccessoryType(platform::ui::TableViewCellAccessoryType::DisclosureIndicator);
    const auto row = static_cast<std::size_t>(indexPath.row);
    cell->textLabel()->setText(row < m_helpContents.size() ? m_helpContents[row] : std::string());
    return cell;
}

void HelpViewController::tableViewDidSelectRow(platform::ui::TableView&, const platform::ui::IndexPath& indexPath) {
    const auto row = static_cast<std::size_t>(indexPath.row);
    if (row >= m_helpContents.size()) {
        return;
    }
    auto page = std::make_shared<HelpWebViewController>(HelpWebViewController::kInterfaceFile);
    page->setPageURL(getHelpURL(indexPath.row));
    page->setTitle(m_helpContents[row]);
    if (const auto navigation = navigationController()) {
        navigation->pushViewController(page, true);
    }
}

}  // namespace qov
