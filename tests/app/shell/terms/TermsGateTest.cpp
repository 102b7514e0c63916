#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/root/RootScreenState.h"
#include "app/shell/terms/QOVDeclinedViewController.h"
#include "app/shell/terms/TermsAndConditionsViewController.h"
#include "app/shell/terms/TermsDetailViewController.h"
#include "app/shell/terms/TermsNavigationController.h"
#include "app/shell/terms/TermsWebViewController.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Window.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

using qov::QOVAppDelegate;

class TermsGateTest : public qovtest::ApplicationWorld {
protected:
    std::shared_ptr<qov::TermsAndConditionsViewController> termsScreen() const {
        const auto navigation = std::dynamic_pointer_cast<qov::TermsNavigationController>(
            QOVAppDelegate::currentAppDelegate()->viewController());
        if (!navigation || !navigation->navController()) {
            return nullptr;
        }
        return std::dynamic_pointer_cast<qov::TermsAndConditionsViewController>(
            navigation->navController()->topViewController());
    }
    static bool termsAccepted() {
        return platform::UserDefaults::standard()->boolForKey(QOVAppDelegate::kTermsViewShouldHideKey);
    }
};

TEST_F(TermsGateTest, FirstRunShowsTheTermsAfterTheSplashAndAcceptingLeadsToTheRootScreen) {
    qov::QOVSettingsService::sharedInstance()->setPushAlertsEnabled(true);
    launch();
    passSplash();
    ASSERT_TRUE(qov::RootScreenState::isTermsScreenShown());
    const auto terms = termsScreen();
    ASSERT_NE(terms, nullptr);
    EXPECT_EQ(terms->m_acceptButton->titleForState(platform::ui::kControlStateNormal), "Accept");

    terms->m_acceptButton->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    EXPECT_TRUE(termsAccepted());
    ASSERT_TRUE(qov::RootScreenState::isRootScreenShown());
    EXPECT_EQ(qov::RootScreenState::shownTabName(), "weather");

    // A first run explains push alerts once, 10 s after the root screen came.
    advance(QOVAppDelegate::kPushTutorialDelay - 0.5);
    EXPECT_EQ(platform::ui::PopupRegistry::shared().top(), nullptr);
    advance(0.5);
    ASSERT_NE(platform::ui::PopupRegistry::shared().top(), nullptr);
    EXPECT_EQ(platform::ui::PopupRegistry::shared().top()->title(), "Push Alerts");
    EXPECT_EQ(platform::UserDefaults::standard()->stringForKey(QOVAppDelegate::kPushTutorialShownKey), "yes");
}

TEST_F(TermsGateTest, AcceptedTermsAreNotShownAgain) {
    launch();
    passSplash();
    termsScreen()->agreeButtonPressed();
    relaunchApplicationObject();

    launch();
    passSplash();
    EXPECT_TRUE(qov::RootScreenState::isRootScreenShown());
    EXPECT_EQ(platform::ui::PopupRegistry::shared().top(), nullptr) << "no push alert once a version is recorded";
}

TEST_F(TermsGateTest, DecliningShowsTheDeclinedScreenWhichLeadsBackToTheSameTerms) {
    launch();
    passSplash();
    const auto terms = termsScreen();
    terms->m_exitButton->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    const auto declined = std::dynamic_pointer_cast<qov::QOVDeclinedViewController>(terms->modalViewController());
    ASSERT_NE(declined, nullptr);
    EXPECT_EQ(terms->m_exitButton->titleLabel()->text(), "Decline");

    declined->m_dismissButton->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    advance(1.0);
    EXPECT_EQ(terms->modalViewController(), nullptr);
    EXPECT_EQ(termsScreen(), terms);
    EXPECT_FALSE(termsAccepted());
}

TEST_F(TermsGateTest, DocumentsComeInTheLocalesLanguageWhenTranslated) {
    const std::pair<const char*, const char*> cases[] = {{"it_IT", "en"}, {"pt_BR", "pt"}, {"fr_FR", "fr"},
                                                         {"zh_CN", "zh"}, {"en_US", "en"}, {"", "en"}};
    for (const auto& [locale, language] : cases) {
        EXPECT_EQ(qov::TermsAndConditionsViewController::documentLanguage(locale), language) << locale;
    }
}

TEST_F(TermsGateTest, EachDocumentRowOpensItsPage) {
    launch();
    passSplash();
    const auto terms = termsScreen();
    const auto navigation = terms->navigationController();
    const std::string expected[] = {terms->eulaURL(), terms->termsURL(), terms->privacyURL()};
    EXPECT_EQ(expected[1], "http://legal.qovara.net/legal/en/Terms.html");
    for (int row = 0; row < 3; ++row) {
        terms->tableViewDidSelectRow(*terms->m_tableView, platform::ui::IndexPath{0, row});
        const auto page = std::dynamic_pointer_cast<qov::TermsWebViewController>(navigation->topViewController());
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->pageURL(), expected[row]);
        navigation->popViewControllerAnimated(false);
    }
}

TEST_F(TermsGateTest, AServiceSwitchTurnsItsSettingOnAndOff) {
    const auto settings = qov::QOVSettingsService::sharedInstance();
    int gpsRequests = 0;
    platform::NotificationCenter::defaultCenter().addObserver(
        &gpsRequests, qov::QOVLocationManager::kUpdateStartCurrentLocationWithGPSNotification,
        [&gpsRequests](const platform::Notification&) { ++gpsRequests; });
    struct Case {
        int type;
        std::function<bool()> enabled;
        int gpsRequestsWhenOn;
    };
    const Case cases[] = {{0, [&] { return settings->isAppLocationServiceEnabled(); }, 1},
                          {1, [&] { return settings->isCrashLogEnabled(); }, 0}};
    for (const auto& given : cases) {
        gpsRequests = 0;
        auto detail = qov::QOVViewController::viewControllerFromNib<qov::TermsDetailViewController>();
        detail->setControllerType(given.type);
        detail->view();
        EXPECT_FALSE(detail->serviceDescription().empty());
        const auto cell = detail->tableViewCellForRow(*detail->m_tableView, platform::ui::IndexPath{0, 0});
        auto control = std::dynamic_pointer_cast<platform::ui::Switch>(cell->accessoryView());
        ASSERT_NE(control, nullptr);
        const bool before = given.enabled();
        control->toggle();
        EXPECT_EQ(given.enabled(), !before) << given.type;
        EXPECT_EQ(gpsRequests, before ? 0 : given.gpsRequestsWhenOn) << given.type;
        control->toggle();
        EXPECT_EQ(given.enabled(), before) << given.type;
    }
    platform::NotificationCenter::defaultCenter().removeObserver(&gpsRequests);
}

}  // namespace
