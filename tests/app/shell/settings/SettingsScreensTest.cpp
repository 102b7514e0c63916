#include <gtest/gtest.h>

#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVFacebookService.h"
#include "app/neighbours/QOVTwitterService.h"
#include "app/shell/about/AboutViewController.h"
#include "app/shell/about/HelpViewController.h"
#include "app/shell/about/HelpWebViewController.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/settings/SettingsNavigationController.h"
#include "app/shell/settings/SettingsViewController.h"
#include "app/shell/terms/TermsWebViewController.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/WebBrowserViewController.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

using platform::ui::IndexPath;
using qov::SettingsViewController;

class SettingsScreensTest : public qovtest::ApplicationWorld {
protected:
    // The social services keep the home's defaults: they go with the home.
    ~SettingsScreensTest() override {
        qov::QOVTwitterService::resetSharedInstance();
        qov::QOVFacebookService::resetSharedInstance();
    }

    // Launches to the root screen and shows the Settings tab.
    std::shared_ptr<SettingsViewController> openSettings() {
        m_master = launchToRootScreen();
        m_master->displayViewControllerByName("settings");
        m_tab = std::dynamic_pointer_cast<qov::SettingsNavigationController>(m_master->shownViewController());
        return m_tab ? std::dynamic_pointer_cast<SettingsViewController>(m_tab->navController()->topViewController())
                     : nullptr;
    }
    std::string rowText(SettingsViewController& settings, IndexPath path) const {
        return settings.tableViewCellForRow(*settings.m_settingsTable, path)->textLabel()->text();
    }
    std::shared_ptr<platform::ui::ViewController> tapRow(SettingsViewController& settings, IndexPath path) const {
        settings.m_settingsTable->tapRow(path);
        return m_tab->navController()->topViewController();
    }
    // The text of the row's cell on screen; a row out of sight has none.
    static std::string shownRowText(const SettingsViewController& settings, IndexPath path) {
        const auto cell = settings.m_settingsTable->cellForRow(path);
        return cell ? cell->textLabel()->text() : "(no cell on screen)";
    }
    // Pushes the about screen and loads it.
    std::shared_ptr<qov::AboutViewController> openAbout() {
        const auto settings = openSettings();
        auto about =
            settings ? std::dynamic_pointer_cast<qov::AboutViewController>(tapRow(*settings, {0, 1})) : nullptr;
        if (about) {
            about->view();
        }
        return about;
    }

    std::shared_ptr<qov::QOVMasterViewController> m_master;
    std::shared_ptr<qov::SettingsNavigationController> m_tab;
};

TEST_F(SettingsScreensTest, TheTableListsInformationLegalUnitsAndSocialRows) {
    const auto settings = openSettings();
    ASSERT_NE(settings, nullptr);
    const std::vector<std::pair<IndexPath, std::string>> rows{
        {{0, 0}, "Help"},
        {{0, 1}, "About"},
        {{2, 0}, "Measurement"},
        {{3, 0}, "Log into Twitter"},
        {{3, 1}, "Log into Facebook"},
    };
    for (const auto& [path, text] : rows) {
        EXPECT_EQ(rowText(*settings, path), text) << path.section << "." << path.row;
    }
    // Every row's text shows whole in its label, in either unit.
    for (const bool imperial : {true, false}) {
        qov::QOVFormattingService::setUom(imperial);
        const auto& table = *settings->m_settingsTable;
        for (int section = 0; section < table.numberOfSections(); ++section) {
            for (int row = 0; row < table.numberOfRowsInSection(section); ++row) {
                settings->m_settingsTable->scrollToRow({section, row}, platform::ui::TableViewScrollPosition::Middle,
                                                       false);
                settings->m_settingsTable->layoutIfNeeded();
                const auto cell = table.cellForRow({section, row});
                ASSERT_NE(cell, nullptr) << section << "." << row;
                const auto& label = *cell->textLabel();
                EXPECT_LE(label.font().sizeOfText(label.text()).width, label.frame().width()) << label.text();
            }
        }
    }
    m_master->showAdView(false);
    EXPECT_EQ(m_tab->view()->frame().height(), qov::SettingsNavigationController::kHeightWithAd);
    m_master->hideAdView(false);
    EXPECT_EQ(m_tab->view()->frame().height(), qov::SettingsNavigationController::kHeightWithoutAd);
}

TEST_F(SettingsScreensTest, TheBarsTakeTheThemeTintAndTheSocialRowsShowTheirIcons) {
    const auto log = std::make_shared<platform::MemoryLogger>();
    platform::Log::addMemoryLogger(log);
    const auto settings = openSettings();
    ASSERT_NE(settings, nullptr);
    const auto bar = m_tab->navController()->navigationBar();
    EXPECT_EQ(bar->tintColor(), qov::QOVThemeService::navBarColor());
    for (const int row : {0, 1}) {
        const auto cell = settings->tableViewCellForRow(*settings->m_settingsTable, {3, row});
        ASSERT_NE(cell->imageView()->image(), nullptr) << row;
        EXPECT_EQ(cell->imageView()->image()->size(), (platform::gfx::Size{30.0, 30.0})) << row;
    }
    // The about screen lies in the same stack, under the same bar.
    ASSERT_NE(std::dynamic_pointer_cast<qov::AboutViewController>(tapRow(*settings, {0, 1})), nullptr);
    EXPECT_EQ(m_tab->navController()->navigationBar()->tintColor(), qov::QOVThemeService::navBarColor());
    platform::ui::ScreenRenderer::renderScreen();
    platform::Log::flush();
    platform::Log::removeMemoryLogger(log);
    for (const auto& line : log->lines()) {
        EXPECT_EQ(line.find("No image named"), std::string::npos) << line;
    }
}

TEST_F(SettingsScreensTest, LegalPagesFollowTheLanguageWithEnglishOtherwise) {
    const std::vector<std::tuple<int, const char*, const char*>> cases{
        {0, "fr_FR", "http://legal.qovara.net/legal/fr/EULA-iOS.html"},
        {1, "de_DE", "http://legal.qovara.net/legal/de/Terms.html"},
        {2, "nl_NL", "http://legal.qovara.net/legal/en/Privacy.html"},
    };
    for (const auto& [row, locale, url] : cases) {
        EXPECT_EQ(SettingsViewController::legalPageURL(row, locale), url);
    }
    const auto settings = openSettings();
    ASSERT_NE(settings, nullptr);
    const auto page = std::dynamic_pointer_cast<qov::TermsWebViewController>(tapRow(*settings, {1, 2}));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->pageURL(), "http://legal.qovara.net/legal/en/Privacy.html");
}

TEST_F(SettingsScreensTest, TheUnitSwitchChangesTheUnitsAndShowsTheStoredChoice) {
    auto settings = openSettings();
    ASSERT_NE(settings, nullptr);
    const auto cell = settings->tableViewCellForRow(*settings->m_settingsTable, {2, 0});
    ASSERT_NE(cell, nullptr);
    auto control = std::dynamic_pointer_cast<platform::ui::SegmentedControl>(cell->accessoryView());
    ASSERT_NE(control, nullptr);
    control->tapSegment(1);
    EXPECT_FALSE(qov::QOVFormattingService::currentUom());
    EXPECT_EQ(qov::QOVSettingsService::sharedInstance()->unitOfMeasureSelection(), 1U);
    const auto again = settings->tableViewCellForRow(*settings->m_settingsTable, {2, 0});
    ASSERT_NE(again, nullptr);
    const auto shown = std::dynamic_pointer_cast<platform::ui::SegmentedControl>(again->accessoryView());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->selectedSegmentIndex(), 1);
}

TEST_F(SettingsScreensTest, AnUnfinishedSignInDoesNotLeaveLogOutShowing) {
    const auto settings = openSettings();
    ASSERT_NE(settings, nullptr);
    settings->m_settingsTable->scrollToRow({3, 1}, platform::ui::TableViewScrollPosition::Bottom, false);
    tapRow(*settings, {3, 0});
    EXPECT_EQ(shownRowText(*settings, {3, 0}), "Log out of Twitter");
    loop().runUntilIdle();
    EXPECT_EQ(shownRowText(*settings, {3, 0}), "Log into Twitter");
    tapRow(*settings, {3, 1});
    loop().runUntilIdle();
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationWillEnterForegroundNotification);
    EXPECT_EQ(shownRowText(*settings, {3, 1}), "Log into Facebook");
}

TEST_F(SettingsScreensTest, HelpTopicsOpenTheirBundledPages) {
    const auto settings = openSettings();
    ASSERT_NE(settings, nullptr);
    const auto help = std::dynamic_pointer_cast<qov::HelpViewController>(tapRow(*settings, {0, 0}));
    ASSERT_NE(help, nullptr);
    help->view();
    ASSERT_EQ(help->helpContents().size(), 6U);
    for (int index = 0; index < 6; ++index) {
        EXPECT_TRUE(std::filesystem::exists(help->getHelpURL(index).substr(7))) << index;
    }
    EXPECT_EQ(qov::HelpViewController::getHelpItems(4)->size(), 2U);
    EXPECT_FALSE(qov::HelpViewController::getHelpItems(6));
    help->m_tableView->tapRow({0, 2});
    const auto page =
        std::dynamic_pointer_cast<qov::HelpWebViewController>(m_tab->navController()->topViewController());
    ASSERT_NE(page, nullptr);
    page->view();
    EXPECT_EQ(page->title(), "About Maps");
    EXPECT_EQ(page->m_webView->url(), qov::HelpViewController::getHelpURL(2));
}

TEST_F(SettingsScreensTest, EveryTenthLogoTapTogglesTestMode) {
    const auto about = openAbout();
    ASSERT_NE(about, nullptr);
    const auto delegate = qov::QOVAppDelegate::currentAppDelegate();
    for (int tap = 1; tap <= 9; ++tap) {
        about->tapLogo();
    }
    EXPECT_FALSE(delegate->testMode());
    EXPECT_TRUE(about->m_configType->isHidden());
    about->tapLogo();
    EXPECT_TRUE(delegate->testMode());
    for (int tap = 1; tap <= 10; ++tap) {
        about->tapLogo();
    }
    EXPECT_FALSE(delegate->testMode());
}

TEST_F(SettingsScreensTest, AboutCopiesNoMissingTokenAndOpensLegalPagesWithoutBrowserButtons) {
    const auto about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->m_devTokenBtn->titleForState(platform::ui::kControlStateNormal),
              "Device Token : Copy to clipboard");
    platform::ui::Pasteboard::general().setString("kept");
    about->onDevToken();
    EXPECT_EQ(platform::ui::Pasteboard::general().string(), "kept");
    about->tapPrivacyStatement();
    const auto browser =
        std::dynamic_pointer_cast<platform::ui::WebBrowserViewController>(m_master->modalViewController());
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->url(), "http://legal.qovara.net/legal/en/Privacy.html");
    EXPECT_FALSE(browser->safariButton()->isEnabled());
    EXPECT_FALSE(browser->refreshButton()->isEnabled());
    browser->done();
    EXPECT_EQ(m_master->modalViewController(), nullptr);
    EXPECT_TRUE(m_master->isLocationBarHidden());  // the settings tab's layout comes back as it was
}

}  // namespace
