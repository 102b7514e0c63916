#include "app/shell/conditions/CurrentConditionsBarController.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/conditions/CurrentConditionsCell.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

namespace {

using platform::ui::Rect;

platform::Array asArray(const std::vector<std::shared_ptr<QOVLocationIdentity>>& locations) {
    return platform::Array(locations.begin(), locations.end());
}

}  // namespace

CurrentConditionsBarController::CurrentConditionsBarController(const std::string& nibName)
    : QOVViewController(nibName) {}

CurrentConditionsBarController::~CurrentConditionsBarController() { stopObserving(); }

void CurrentConditionsBarController::registerInterfaceFiles() {
    CurrentConditionsCell::registerInterfaceFile();
    platform::ui::ClassRegistry::registerClass<CurrentConditionsBarController>("CurrentConditionsBarController");
    platform::ui::InterfaceFile::registerBuilder(kInterfaceFile, [](platform::ui::InterfaceContext& file) {
        const Rect bar(0, 0, kPageWidth, CurrentConditionsCell::kHeight);
        auto view = file.makeTopLevel<platform::ui::View>(bar);
        auto scrollView = file.make<platform::ui::ScrollView>(bar);
        auto left = file.make<platform::ui::ImageView>(Rect(0, 0, 8, bar.height()));
        auto right = file.make<platform::ui::ImageView>(Rect(bar.width() - 8, 0, 8, bar.height()));
        view->addSubview(scrollView);
        view->addSubview(left);
        view->addSubview(right);
        if (auto owner = file.ownerAs<CurrentConditionsBarController>()) {
            owner->m_scrollView = scrollView;
            owner->m_leftImageView = left;
            owner->m_rightImageView = right;
            owner->setView(view);
        }
    });
}

void CurrentConditionsBarController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    const auto self = std::static_pointer_cast<CurrentConditionsBarController>(shared_from_this());
    m_barTable = std::make_shared<QOVHTableViewController>();
    const auto table = m_barTable->tableView();  // loads it: the table turns on its side
    table->setDelegate(std::static_pointer_cast<platform::ui::TableViewDelegate>(self));
    table->setDataSource(std::static_pointer_cast<platform::ui::TableViewDataSource>(self));
    table->setFrame(view()->bounds());
    table->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth);  // a strip as high as the bar's pages
    table->setPagingEnabled(true);
    table->setShowsVerticalScrollIndicator(false);
    table->setSeparatorColor(platform::gfx::Color::clear());
    view()->addSubview(table);

    stopObserving();
    const auto manager = QOVLocationManager::sharedManager();
    m_observedManager = manager;
    manager->keyValueObservers().addObserver(
        this, QOVLocationManager::kFavoriteLocationsKeyPath,
        platform::bindWeak(self,
                           [](CurrentConditionsBarController& bar, const std::string&, const platform::Value& oldValue,
                              const platform::Value&) { bar.favoriteLocationsChanged(oldValue); }));
    populateConditionBars();
}

void CurrentConditionsBarController::viewDidUnload() {
    QOVViewController::viewDidUnload();
    stopObserving();
    m_barTable.reset();
    m_scrollView.reset();
    m_leftImageView.reset();
    m_rightImageView.reset();
}

void CurrentConditionsBarController::stopObserving() {
    if (const auto manager = m_observedManager.lock()) {
        manager->keyValueObservers().removeObserver(this);
    }
    m_observedManager.reset();
    if (const auto cache = ApplicationCacheFactory::sharedInstance().cache()) {
        cache->stopListeningForDelegate(this);
    }
}

void CurrentConditionsBarController::populateConditionBars() {
    const auto manager = QOVLocationManager::sharedManager();
    m_locations = {manager->currentLocation()};
    const auto favorites = manager->favoriteLocations();
    m_locations.insert(m_locations.end(), favorites.begin(), favorites.end());
    if (m_barTable) {
        m_barTable->tableView()->reloadData();
    }
    const auto self = std::static_pointer_cast<CurrentConditionsBarController>(shared_from_this());
    const auto listener = std::static_pointer_cast<ApplicationCacheLocationChangedDelegate>(self);
    const auto cache = ApplicationCacheFactory::sharedInstance().cache();
    cache->startListeningForCurrentLocationWithDelegate(listener);
    cache->startListeningForLocations(asArray(favorites), listener);
}

void CurrentConditionsBarController::favoriteLocationsChanged(const platform::Value& oldFavorites) {
    if (const auto* old = oldFavorites.ifArray()) {
        ApplicationCacheFactory::sharedInstance().cache()->stopListeningForLocations(*old, this);
    }
    populateConditionBars();
}

void CurrentConditionsBarController::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!location || m_locations.empty()) {
        return;
    }
    bool replacedFirst = false;
    if (QOVLocationManager::sharedManager()->currentLocation()->isEqualToLocation(*location)) {
        m_locations[0] = location;
        replacedFirst = true;
    }
    bool replacedFavorite = false;
    for (std::size_t index = 1; index < m_locations.size() && !replacedFavorite; ++index) {
        if (m_locations[index]->isEqualToLocation(*location)) {
            m_locations[index] = location;
            replacedFavorite = true;
        }
    }
    if ((replacedFirst || replacedFavorite) && m_barTable) {
        m_barTable->tableView()->reloadData();
    }
}

int CurrentConditionsBarController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) {
    return static_cast<int>(m_locations.size());
}

std::shared_ptr<platform::ui::TableViewCell> CurrentConditionsBarController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) {
    auto cell = std::dynamic_pointer_cast<CurrentConditionsCell>(
        tableView.dequeueReusableCell(CurrentConditionsCell::kInterfaceFile));
    if (!cell) {
        cell = platform::ui::InterfaceFile::loadFirst<CurrentConditionsCell>(CurrentConditionsCell::kInterfaceFile,
                                                                             shared_from_this());
        if (!cell) {
            return std::make_shared<platform::ui::TableViewCell>();
        }
        cell->setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
        const auto self = std::static_pointer_cast<CurrentConditionsBarController>(shared_from_this());
        for (const auto& [taps, touches] : {std::pair{2, 1}, std::pair{1, 2}}) {
            auto recognizer = std::make_shared<platform::ui::TapGestureRecognizer>(
                platform::bindWeak(self, [](CurrentConditionsBarController& bar,
                                            platform::ui::TapGestureRecognizer& tap) { bar.handleTapGesture(tap); }));
            recognizer->setNumberOfTapsRequired(taps);
            recognizer->setNumberOfTouchesRequired(touches);
            cell->addGestureRecognizer(recognizer);
        }
    }
    cell->contentView()->setBackgroundColor(QOVThemeService::backgroundColor());
    const auto row = static_cast<std::size_t>(indexPath.row);
    if (row < m_locations.size()) {
        cell->updateLocation(m_locations[row]);
    }
    return cell;
}

void CurrentConditionsBarController::handleTapGesture(platform::ui::TapGestureRecognizer& recognizer) {
    if (recognizer.numberOfTapsRequired() == 2 && m_barTable) {
        m_barTable->tableView()->scrollToRow({0, 0}, platform::ui::TableViewScrollPosition::Bottom, true);
    } else if (recognizer.numberOfTouchesRequired() == 2) {
        if (const auto master = masterViewController<QOVMasterViewController>()) {
            master->displayFavorites();
        }
    }
}

void CurrentConditionsBarController::scrollViewDidEndDecelerating(platform::ui::ScrollView&) {
    const auto rows =
        m_barTable ? m_barTable->tableView()->indexPathsForVisibleRows() : std::vector<platform::ui::IndexPath>{};
    if (!rows.empty() && static_cast<std::size_t>(rows.front().row) < m_locations.size()) {
        QOVLocationManager::sharedManager()->setCurrentLocation(
            m_locations[static_cast<std::size_t>(rows.front().row)]);
    }
}

}  // namespace qov
