#include "app/shell/application/QOVAppDelegate.h"

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/DefaultLocation.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVPushRegister.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/AdNetworkSupport.h"
#include "app/neighbours/CSAudienceMeter.h"
#include "app/neighbours/CSCensus.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/neighbours/WxConfig.h"
#include "app/shell/application/ApplicationHooks.h"
#include "app/shell/application/OpenedURLRouter.h"
#include "app/shell/application/WeeklyVersionCheck.h"
#include "app/shell/rating/RatePrompter.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "app/shell/terms/TermsNavigationController.h"
#include "app/shell/upgrade/LegacyDataUpgrade.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Window.h"

QOV_LOG_LEVEL(31)

namespace qov {

namespace {

std::optional<std::string> infoString(std::string_view key) {
    const auto value = platform::Bundle::main().objectForInfoDictionaryKey(key);
    if (const auto* text = value.ifString(); text && !text->empty()) {
        return *text;
    }
    return std::nullopt;
}

void startAudienceMeasurement() {
    const auto clientId = infoString("QOVAudienceMeterClientID");
    const auto secret = infoString("QOVAudienceMeterPublisherSecret");
    if (!clientId || !secret) {
        QOV_LOG_DEBUG("No audience measurement account in the information list");
        return;
    }
    platform::GlobalQueue::async(
        [clientId = *clientId, secret = *secret] { CSAudienceMeter::census().notifyStart(clientId, secret); });
}

int launchKind(const std::optional<std::string>& lastVersion, bool upgraded) {
    if (!lastVersion) {
        return QOVMetricsService::kLaunchFirstRun;
    }
    return upgraded ? QOVMetricsService::kLaunchUpgrade : QOVMetricsService::kLaunchNormal;
}

}  // namespace

std::shared_ptr<QOVAppDelegate> QOVAppDelegate::currentAppDelegate() {
    return std::dynamic_pointer_cast<QOVAppDelegate>(platform::ui::Application::shared().delegate());
}

bool QOVAppDelegate::didFinishLaunching(platform::ui::Application&, const platform::Dictionary&) {
    startAudienceMeasurement();
    AdNetworkSupport::sharedInstance()->reportAppOpen();
    platform::Log::addConsoleLogger();

    const auto defaults = platform::UserDefaults::standard();
    const auto lastVersion = defaults->objectForKey(kLastVersionRanKey);
    m_lastVersion = lastVersion.ifString() ? std::optional<std::string>(*lastVersion.ifString()) : std::nullopt;
    m_currentVersion = infoString("CFBundleShortVersionString").value_or("");

    platform::ui::Device::current().beginGeneratingDeviceOrientationNotifications();

    const auto metrics = QOVMetricsService::sharedInstance();
    metrics->startMetrics();
    metrics->applicationLaunch(launchKind(m_lastVersion, applicationUpgraded()));

    setViewController(std::make_shared<SplashScreenViewController>());

    if (applicationUpgraded()) {
        upgradeAppData();
    } else {
        DefaultLocation::installIfNoneIsCurrent(*QOVLocationManager::sharedManager());
    }

    const auto settings = QOVSettingsService::sharedInstance();
    if (settings->arePushAlertsEnabled()) {
        configurePushNotification();
    }
    setTestMode(defaults->boolForKey(kAppTestModeKey));

    if (m_window) {
        m_window->setRootViewController(m_viewController);
        m_window->makeKeyAndVisible();
    } else {
        QOV_LOG_ERROR("The main interface file gave the application delegate no window");
    }

    if (settings->isRatePrompterEnabled()) {
        RatePrompter::appLaunched(true);
    }
    return true;
}

void QOVAppDelegate::didBecomeActive(platform::ui::Application&) {
    WxConfig::sharedInstance();
    checkForNewerVersion();
    ApplicationHooks::keepMapConfigurationFresh();
}

void QOVAppDelegate::checkForNewerVersion() {
    WeeklyVersionCheck check(platform::UserDefaults::standard());
    if (!check.isDue()) {
        return;
    }
    const auto latest = QOVSettingsService::sharedInstance()->latestAppVersion();
    if (WeeklyVersionCheck::isNewer(latest, m_currentVersion)) {
        auto alert = std::make_shared<platform::ui::AlertView>(
            "New QOV App Available",
            "A more recent version of the QOV application is available in the app store, we highly recommend you "
            "update as soon as possible.",
            std::static_pointer_cast<QOVAppDelegate>(shared_from_this()), "Continue",
            std::vector<std::string>{"Upgrade"});
        alert->show();
    }
    check.recordCheck();
}

void QOVAppDelegate::alertViewDidDismissWithButtonIndex(platform::ui::AlertView&, int index) {
    if (index != 1) {
        return;
    }
    if (const auto storeURL = infoString("QOVAppStoreURL")) {
        platform::ui::Application::shared().openURL(*storeURL);
    } else {
        QOV_LOG_WARN("No store address (QOVAppStoreURL) in the information list");
    }
}

void QOVAppDelegate::willResignActive(platform::ui::Application&) {
    platform::NotificationCenter::defaultCenter().postNotification(kWillResignActiveNotification);
    if (m_lastVersion && !applicationUpgraded()) {
        return;
    }
    const auto defaults = platform::UserDefaults::standard();
    defaults->setString(m_currentVersion, kLastVersionRanKey);
    defaults->synchronize();
}

void QOVAppDelegate::willEnterForeground(platform::ui::Application&) {
    QOVMetricsService::sharedInstance()->applicationLaunch(QOVMetricsService::kLaunchFromBackground);
    if (QOVSettingsService::sharedInstance()->isRatePrompterEnabled()) {
        RatePrompter::appEnteredForeground(true);
    }
}

void QOVAppDelegate::willTerminate(platform::ui::Application&) { QOVMetricsService::sharedInstance()->stopMetrics(); }

bool QOVAppDelegate::handleOpenURL(platform::ui::Application&, const std::string& url) {
    OpenedURLRouter::route(url);
    return true;
}

void QOVAppDelegate::didRegisterForRemoteNotifications(platform::ui::Application&, const platform::Data& deviceToken) {
    QOVPushRegister::pushRegister()->registerDevice(deviceToken, QOVLocationManager::sharedManager()->pushLocation());
}

void QOVAppDelegate::didFailToRegisterForRemoteNotifications(platform::ui::Application&, const std::string& error) {
    QOV_LOG_ERROR("PUSH REGISTRATION ERROR: [{}]", error);
}

void QOVAppDelegate::setViewController(std::shared_ptr<platform::ui::ViewController> controller) {
    m_viewController = std::move(controller);
}

bool QOVAppDelegate::oldLocationsExist() const {
    return !platform::UserDefaults::standard()->objectForKey(kOldLocationListKey).isNull();
}

bool QOVAppDelegate::applicationUpgraded() const {
    if (m_lastVersion) {
        return *m_lastVersion != m_currentVersion;
    }
    return oldLocationsExist();
}

std::filesystem::path QOVAppDelegate::applicationLibraryDirectory() {
    return platform::AppDirectories::shared()->cachesDirectory().parent_path();
}

std::filesystem::path QOVAppDelegate::applicationCachesDirectory() { return ApplicationCachesDirectory::path(); }

std::filesystem::path QOVAppDelegate::applicationDocumentsDirectory() {
    return platform::AppDirectories::shared()->documentsDirectory();
}

void QOVAppDelegate::setTestMode(bool testMode) {
    if (testMode == m_testMode) {
        return;
    }
    m_testMode = testMode;
    platform::UserDefaults::standard()->setBool(testMode, kAppTestModeKey);
    QOVAdManager::sharedManager()->setInTestMode(testMode);
    if (const auto datasource = QOVDatasourceFactory::sharedInstance()->datasource()) {
        datasource->setTestMode(testMode);
    }
    if (testMode) {
        if (!m_memLogger) {
            m_memLogger = std::make_shared<platform::MemoryLogger>();
            m_memLogger->setMaxBufferLines(kMemLoggerMaxLines);
        }
        platform::Log::addMemoryLogger(m_memLogger);
    } else if (m_memLogger) {
        platform::Log::removeMemoryLogger(m_memLogger);
    }
}

void QOVAppDelegate::logMessage(const std::string& message) { QOV_LOG_INFO("Beacon message: {}", message); }

void QOVAppDelegate::upgradeAppData() {
    LegacyDataUpgrade::run({infoString("CFBundleIdentifier").value_or(""), m_currentVersion}, m_lastVersion,
                           applicationDocumentsDirectory());
}

void QOVAppDelegate::presentMainViewAfterSplash() {
    m_shouldTermsViewhide = platform::UserDefaults::standard()->boolForKey(kTermsViewShouldHideKey);
    if (m_shouldTermsViewhide) {
        setViewController(QOVMasterViewController::fromInterfaceFile());
        if (!m_lastVersion) {
            handlePushNotificationAlert();
        }
    } else {
        setViewController(TermsNavigationController::viewControllerFromNib<TermsNavigationController>());
    }
    if (m_window) {
        m_window->setRootViewController(m_viewController);
    }
}

void QOVAppDelegate::handlePushNotificationAlert() {
    if (!QOVSettingsService::sharedInstance()->arePushAlertsEnabled() ||
        platform::UserDefaults::standard()->stringForKey(kPushTutorialShownKey) == "yes") {
        return;
    }
    platform::RunLoop::main().scheduleTimer(
        kPushTutorialDelay, false,
        platform::bindWeak(std::static_pointer_cast<QOVAppDelegate>(shared_from_this()),
                           [](QOVAppDelegate& delegate, platform::Timer&) { delegate.showPushTutorialAlert(); }));
}

void QOVAppDelegate::showPushTutorialAlert() {
    auto alert = std::make_shared<platform::ui::AlertView>(
        "Push Alerts", "You can set severe weather Push Alerts for any U.S. location in your Favorites list.",
        std::weak_ptr<platform::ui::AlertViewDelegate>{}, "OK");
    alert->show();
    const auto defaults = platform::UserDefaults::standard();
    defaults->setString("yes", kPushTutorialShownKey);
    defaults->synchronize();
}

void QOVAppDelegate::configurePushNotification() {
    if (QOVSettingsService::sharedInstance()->arePushAlertsEnabled()) {
        platform::ui::Application::shared().registerForRemoteNotificationTypes(kRemoteNotificationTypes);
    }
}

void QOVAppDelegate::locateUser() {
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto self = std::static_pointer_cast<QOVAppDelegate>(shared_from_this());
    center.removeObserver(this);
    center.addObserver(this, QOVLocationManager::kUpdateSucceededCurrentLocationWithGPSNotification,
                       platform::bindWeak(self, [](QOVAppDelegate& delegate, const platform::Notification& note) {
                           delegate.userLocatingSucceeded(note.object);
                       }));
    center.addObserver(this, QOVLocationManager::kUpdateFailedCurrentLocationWithGPSNotification,
                       platform::bindWeak(self, [](QOVAppDelegate& delegate, const platform::Notification&) {
                           delegate.userLocatingFailed();
                       }));
    QOVLocationManager::sharedManager()->updateCurrentLocationWithGPS();
}

void QOVAppDelegate::userLocatingSucceeded(const platform::Value& location) {
    QOV_LOG_DEBUG("^^^^^^^^^App updated with GPS location");
    if (auto identity = location.object<QOVLocationIdentity>()) {
        QOVLocationManager::sharedManager()->addFavoriteLocation(identity);
    }
}

void QOVAppDelegate::userLocatingFailed() {
    DefaultLocation::installIfNoneIsCurrent(*QOVLocationManager::sharedManager());
}

std::string QOVAppDelegate::configurationURL() { return "http://config.qovara.net/mobile/configuration"; }

}  // namespace qov
