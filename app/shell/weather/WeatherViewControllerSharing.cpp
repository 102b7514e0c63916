#include "app/shell/weather/WeatherViewController.h"

#include <algorithm>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVTweet.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/neighbours/QOVFacebookService.h"
#include "app/neighbours/QOVTwitterService.h"
#include "app/neighbours/TweetComposer.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/weather/BaseWeatherView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/ClassRegistry.h"

// The weather screen's sharing: the options of the panel whose share button was pressed, e-mail, the contact
// list, Facebook and the Twitter sign-in and composer.

namespace qov {

namespace {

// The tweet composer of the social section, made by class name (the section's screens sit above the shell).
std::shared_ptr<platform::ui::ViewController> makeComposer() {
    auto made = platform::ui::ClassRegistry::create<platform::ui::ViewController>("ComposeTweetViewController");
    return std::dynamic_pointer_cast<TweetComposer>(made) ? made : nullptr;
}

}  // namespace

void WeatherViewController::shareButtonWasPressedForBaseWeatherView(BaseWeatherView& panel) {
    displaySharingOptionsWithView(panel);
}

void WeatherViewController::displaySharingOptionsWithView(BaseWeatherView& panel) {
    m_shareView = std::static_pointer_cast<BaseWeatherView>(panel.shared_from_this());
    const std::vector<int> options = panel.sharingOptions();
    if (options.size() == 1) {
        launchSharingOptionForIndex(options.front());
        return;
    }
    auto sheet = std::make_shared<platform::ui::ActionSheet>(
        kShareSheetTitle, std::static_pointer_cast<platform::ui::ActionSheetDelegate>(self()));
    for (const int option : options) {
        if (option >= 0 && option < static_cast<int>(kSharingButtonTitles.size())) {
            sheet->addButtonWithTitle(kSharingButtonTitles[static_cast<std::size_t>(option)]);
        }
    }
    sheet->setCancelButtonIndex(sheet->addButtonWithTitle(localized("Cancel")));
    sheet->showInView(std::static_pointer_cast<platform::ui::View>(panel.shared_from_this()));
}

void WeatherViewController::actionSheetClickedButtonAtIndex(platform::ui::ActionSheet& sheet, int index) {
    const std::string title = sheet.buttonTitleAtIndex(index);
    const auto found = std::find(kSharingButtonTitles.begin(), kSharingButtonTitles.end(), title);
    launchSharingOptionForIndex(
        found == kSharingButtonTitles.end() ? -1 : static_cast<int>(found - kSharingButtonTitles.begin()));
}

void WeatherViewController::launchSharingOptionForIndex(int option) {
    if (!m_location) {
        return;  // nothing to share without a place
    }
    switch (option) {
        case 0: shareViaEmail(); break;
        case 1: shareViaContactList(); break;
        case 2: shareViaFacebook(); break;
        case 3: shareViaTwitter(); break;
        default: break;
    }
}

void WeatherViewController::shareViaEmail() {
    const auto panel = m_shareView.lock();
    const auto master = masterViewController();
    if (panel && master) {
        master->createEmailWithMessage(panel->shareDataForOption(0), kEmailSubject, {}, false);
    }
}

void WeatherViewController::shareViaContactList() {
    if (const auto master = masterViewController()) {
        if (auto contacts =
                platform::ui::ClassRegistry::create<platform::ui::ViewController>("ContactsViewController")) {
            master->presentModalViewController(contacts, true);
        }
    }
}

void WeatherViewController::shareViaFacebook() {
    if (m_location) {
        QOVFacebookService::sharedInstance()->displayDialogForLocation(*m_location);
    }
}

void WeatherViewController::shareViaTwitter() {
    auto tweet = std::make_shared<QOVTweet>();
    if (const auto panel = m_shareView.lock()) {
        tweet->setText(panel->shareDataForOption(3));
    }
    composeTweet(tweet);
}

void WeatherViewController::composeTweet(const std::shared_ptr<QOVTweet>& /*tweet*/) {
    QOVMetricsService::sharedInstance()->trackEvent("TFNow_SocialWX_Tweet");
    const auto twitter = QOVTwitterService::sharedInstance();
    twitter->setTwitterServiceDelegate(std::static_pointer_cast<QOVTwitterServiceDelegate>(self()));
    if (!twitter->isAuthorized()) {
        twitter->authorize();
        return;
    }
    auto composer = makeComposer();
    const auto master = masterViewController();
    if (composer && master) {
        const auto tweet = std::dynamic_pointer_cast<TweetComposer>(composer);
        tweet->setCurrentLocationForTweet(m_location);
        tweet->setComposeTweetDelegate(std::static_pointer_cast<ComposeTweetDelegate>(self()));
        master->presentModalViewController(composer, true);
    }
}

void WeatherViewController::tweetButtonPressed() {
    QOVMetricsService::sharedInstance()->trackEvent("TFNow_SocialWX");
    composeTweet(nullptr);
}

void WeatherViewController::swaggerButtonPressed() {
    if (const auto master = masterViewController()) {
        master->displayViewControllerByName("social");
    }
}

void WeatherViewController::twitterLoginSuccessful() {
    auto composer = makeComposer();
    const auto master = masterViewController();
    if (composer && master) {
        std::dynamic_pointer_cast<TweetComposer>(composer)->setComposeTweetDelegate(
            std::static_pointer_cast<ComposeTweetDelegate>(self()));
        master->presentModalViewController(composer, true);
    }
}

void WeatherViewController::twitterLoginFailed() {
    if (const auto master = masterViewController()) {
        master->displayErrorMessage(kTwitterFailedMessage);
    }
}

void WeatherViewController::twitterLoginCancelled() {}

void WeatherViewController::cancelTweetComposition() {
    if (const auto master = masterViewController()) {
        master->dismissModalViewControllerAnimated(true);
    }
}

void WeatherViewController::showFullFeedPage() { swaggerButtonPressed(); }

}  // namespace qov
