// A memory warning as a person meets it: the screen in front stays as it is, and a screen that gave its view up
// while another tab was in front looks as it did when it comes back.
#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/shell/about/AboutViewController.h"
#include "app/shell/about/HelpViewController.h"
#include "app/shell/root/RootScreenState.h"
#include "app/shell/settings/SettingsNavigationController.h"
#include "app/shell/settings/SettingsViewController.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "platform/storage/LocaleSource.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenScript.h"
#include "sim/SimServer.h"
#include "tests/app/shell/StandInWorld.h"
#include "tests/support/PumpUntil.h"

namespace {

using qov::RootScreenState;

// The view and every view inside it, held weakly.
std::vector<std::weak_ptr<platform::ui::View>> treeOf(const std::shared_ptr<platform::ui::View>& view) {
    std::vector<std::weak_ptr<platform::ui::View>> tree{view};
    for (const auto& subview : view->subviews()) {
        const auto below = treeOf(subview);
        tree.insert(tree.end(), below.begin(), below.end());
    }
    return tree;
}

std::size_t stillHeld(const std::vector<std::weak_ptr<platform::ui::View>>& tree) {
    return static_cast<std::size_t>(
        std::count_if(tree.begin(), tree.end(), [](const auto& view) { return !view.expired(); }));
}

// The application on the root screen with Atlanta's weather from the stand-in service (the United States tabs).
class MemoryWarningTest : public qovtest::StandInWorld {
protected:
    void SetUp() override {
        StandInWorld::SetUp();
        m_master = launchToRootScreen();
        ASSERT_NE(m_master, nullptr);
        ASSERT_TRUE(qovtest::pumpUntil([&] { return m_master->currentCountryCode() == "US"; }, 10.0));
    }

    std::string screen() {
        loop().runUntilIdle();
        return platform::ui::ScreenDump::dumpScreen();
    }
    void warn() {
        platform::ui::Application::shared().receiveMemoryWarning();
        loop().runUntilIdle();
    }
    std::vector<std::string> tabNames() const {
        std::vector<std::string> names;
        for (const auto& item : m_master->tabBar()->items()) {
            names.push_back(item->itemName());
        }
        return names;
    }

    std::shared_ptr<qov::QOVMasterViewController> m_master;

private:
};

TEST_F(MemoryWarningTest, EveryTabLooksTheSameAfterAWarningInFrontOrAway) {
    for (const std::string& name : tabNames()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(RootScreenState::showTab(name));
        const auto tab = m_master->shownViewController();
        const std::string before = screen();
        warn();
        EXPECT_EQ(screen(), before) << "in front";
        const auto tree = treeOf(tab->view());
        ASSERT_TRUE(RootScreenState::showTab(name == "weather" ? "settings" : "weather"));
        warn();
        EXPECT_FALSE(tab->isViewLoaded());
        EXPECT_EQ(stillHeld(tree), 0U) << "of " << tree.size() << " views";
        ASSERT_TRUE(RootScreenState::showTab(name));
        EXPECT_EQ(screen(), before) << "back";
    }
}

TEST_F(MemoryWarningTest, TheSettingsListUnderAnotherScreenComesBackAsItWas) {
    ASSERT_TRUE(RootScreenState::showTab("settings"));
    const auto tab = std::dynamic_pointer_cast<qov::SettingsNavigationController>(m_master->shownViewController());
    ASSERT_NE(tab, nullptr);
    const auto settings = tab->navController()->topViewController();
    const std::string list = screen();
    for (const char* above : {"About", "Help"}) {
        SCOPED_TRACE(above);
        ASSERT_TRUE(runScriptLine(std::string("tap ") + above));
        const std::string front = screen();
        warn();
        EXPECT_FALSE(settings->isViewLoaded());
        EXPECT_EQ(screen(), front) << "in front";
        ASSERT_TRUE(runScriptLine("tap Settings"));  // the back button
        EXPECT_EQ(screen(), list);
    }
}

// Screens made on their own, off the window: a warning takes each one's view, which nothing keeps (the screen lets
// go of every part of it), and the view it loads again shows what the first one showed.
TEST_F(MemoryWarningTest, AScreenThatGaveUpItsViewLoadsTheSameOneAgain) {
    using Maker = std::function<std::shared_ptr<qov::QOVViewController>()>;
    const auto named = [](const char* name) -> Maker {
        return [name] { return platform::ui::ClassRegistry::create<qov::QOVViewController>(name); };
    };
    const std::vector<std::pair<const char*, Maker>> screens{
        {"root screen", [] { return qov::QOVMasterViewController::fromInterfaceFile(); }},
        {"weather", named("WeatherViewController")},
        {"maps", named("MapsViewController")},
        {"settings tab", named("SettingsNavigationController")},
        {"settings list", [] { return qov::QOVViewController::viewControllerFromNib<qov::SettingsViewController>(); }},
        {"about", [] { return qov::QOVViewController::viewControllerFromNib<qov::AboutViewController>(); }},
        {"help", [] { return qov::QOVViewController::viewControllerFromNib<qov::HelpViewController>(); }},
        {"conditions bar", named("CurrentConditionsBarController")},
    };
    for (const auto& [name, make] : screens) {
        SCOPED_TRACE(name);
        const auto made = make();
        ASSERT_NE(made, nullptr);
        made->setMasterViewController(m_master);
        made->view();
        loop().runUntilIdle();
        const std::string first = platform::ui::ScreenDump::dumpView(*made->view());
        const auto tree = treeOf(made->view());
        warn();
        ASSERT_FALSE(made->isViewLoaded());
        EXPECT_EQ(stillHeld(tree), 0U) << "of " << tree.size() << " views";
        made->view();
        loop().runUntilIdle();
        EXPECT_EQ(platform::ui::ScreenDump::dumpView(*made->view()), first);
    }
}

}  // namespace
