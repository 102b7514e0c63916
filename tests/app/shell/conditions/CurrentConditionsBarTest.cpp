#include <gtest/gtest.h>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/shell/conditions/CurrentConditionsBarController.h"
#include "app/shell/conditions/CurrentConditionsCell.h"
#include "app/shell/root/RootScreenState.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/settings/SettingsDetailViewController.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/ScreenScript.h"
#include "tests/app/shell/ApplicationWorld.h"
#include "tests/app/shell/weather/LocationBuilder.h"

namespace {

using qov::CurrentConditionsBarController;
using qov::QOVLocationManager;

std::shared_ptr<qov::QOVLocationIdentity> place(const std::string& key) {
    return std::make_shared<qov::QOVLocationIdentity>(1, key);
}

// The bar placed on the root screen as an interface file would place it, with the current location A and the
// favourites B and C.
class CurrentConditionsBarTest : public qovtest::ApplicationWorld {
protected:
    void SetUp() override {
        m_master = launchToRootScreen();
        const auto manager = QOVLocationManager::sharedManager();
        manager->setCurrentLocation(place("A"));
        manager->removeAllFavorites();  // the launch's default place
        manager->addFavoriteLocation(place("B"));
        manager->addFavoriteLocation(place("C"));
        bar = platform::ui::ClassRegistry::create<CurrentConditionsBarController>("CurrentConditionsBarController");
        ASSERT_NE(bar, nullptr);
        bar->setMasterViewController(m_master);
        m_master->view()->addSubview(bar->view());
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> result;
        for (const auto& entry : bar->locations()) {
            result.push_back(entry->key().value_or(""));
        }
        return result;
    }
    bool run(const std::string& line) {
        platform::ui::ScreenScript script(m_output);
        script.execute(line);
        return script.failures() == 0;
    }
    std::shared_ptr<qov::CurrentConditionsCell> page(int row) const {
        return std::dynamic_pointer_cast<qov::CurrentConditionsCell>(
            bar->barTable()->tableView()->cellForRow({0, row}));
    }

    std::shared_ptr<qov::QOVMasterViewController> m_master;
    std::shared_ptr<CurrentConditionsBarController> bar;
    std::ostringstream m_output;
};

TEST_F(CurrentConditionsBarTest, DataForTheCurrentLocationThatIsAlsoAFavouriteFillsBothPages) {
    QOVLocationManager::sharedManager()->setCurrentLocation(place("B"));
    bar->populateConditionBars();
    auto data = qovtest::makeLocation("B", "America/New_York");
    data->setCity("Boston");
    auto conditions = std::make_shared<qov::QOVCurrentConditions>();
    conditions->setTemperature(50);
    data->setCurrentConditions(conditions);
    bar->locationDataChanged(data);
    EXPECT_EQ(bar->locations()[0], data);
    EXPECT_EQ(bar->locations()[1], data);
    EXPECT_EQ(page(0)->m_locationLabel->text(), data->displayName());
    EXPECT_EQ(page(0)->m_temperatureLabel->text(), qov::QOVFormattingService::formatTemperature(50));
}

TEST_F(CurrentConditionsBarTest, SwipesAndTapGesturesMoveBetweenPages) {
    EXPECT_FALSE(run("tap --touches 0 @CurrentConditionsCell"));
    ASSERT_TRUE(run("drag @CurrentConditionsCell -320 0")) << m_output.str();
    EXPECT_EQ(QOVLocationManager::sharedManager()->currentLocation()->key(), "B");
    ASSERT_TRUE(run("tap --taps 2 @CurrentConditionsCell")) << m_output.str();
    EXPECT_EQ(bar->barTable()->tableView()->indexPathsForVisibleRows().front().row, 0);
    // The two-finger tap asks the root screen for the favourites (shown when their screen class is there).
    EXPECT_TRUE(run("tap --touches 2 @CurrentConditionsCell")) << m_output.str();
    EXPECT_EQ(m_master->modalViewController() != nullptr,
              platform::ui::ClassRegistry::isRegistered("BookmarksNavigationController"));
}

TEST_F(CurrentConditionsBarTest, TheFavouritesAreFollowedUntilTheViewUnloads) {
    QOVLocationManager::sharedManager()->addFavoriteLocation(place("D"));
    EXPECT_EQ(keys(), (std::vector<std::string>{"A", "B", "C", "D"}));
    bar->view()->removeFromSuperview();
    bar->didReceiveMemoryWarning();
    ASSERT_FALSE(bar->isViewLoaded());
    QOVLocationManager::sharedManager()->removeFavoriteLocation(place("D"));
    EXPECT_EQ(keys(), (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST_F(CurrentConditionsBarTest, TheSettingsDetailMovesItsCheckmarksAndKeepsNothing) {
    ASSERT_EQ(qov::RootScreenState::presentScreen("SettingsDetailViewController"), std::nullopt);
    auto detail = std::dynamic_pointer_cast<qov::SettingsDetailViewController>(m_master->modalViewController());
    ASSERT_NE(detail, nullptr);
    const auto table = detail->tableView();
    const auto checked = [&](int section, int row) {
        return detail->tableViewCellForRow(*table, {section, row})->accessoryType() ==
               platform::ui::TableViewCellAccessoryType::Checkmark;
    };
    EXPECT_TRUE(checked(0, 2));
    EXPECT_TRUE(checked(1, 0));
    table->tapRow({0, 1});
    table->tapRow({1, 4});
    EXPECT_TRUE(checked(0, 1) && !checked(0, 2));
    EXPECT_TRUE(checked(1, 4) && !checked(1, 0));
    EXPECT_EQ(qov::RootScreenState::presentScreen("SettingsDetailViewController"),
              "the root screen presents SettingsDetailViewController already");
    ASSERT_TRUE(qov::RootScreenState::dismissPresentedScreen());
    EXPECT_EQ(qov::RootScreenState::presentScreen("NoSuchScreen"), "no screen class is named \"NoSuchScreen\"");
}

}  // namespace
