#include "tests/app/shell/ApplicationWorld.h"

#include "app/composition/ApplicationComposition.h"
#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/rating/RatePrompter.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "platform/base/Log.h"
#include "platform/geo/PositionSource.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "tests/support/app/RecordingDatasource.h"

namespace qovtest {

ApplicationWorld::ApplicationWorld()
    : m_previousDatasource(qov::QOVDatasourceFactory::sharedInstance()->datasource()),
      m_silentDatasource(std::make_shared<RecordingDatasource>()) {
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_silentDatasource);
    resetServices();
    qov::registerApplication();
}

ApplicationWorld::~ApplicationWorld() {
    platform::ui::Application::resetShared();  // the screens let go of the services first
    resetServices();
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_previousDatasource);
    // Nothing of this home outlives the test: the cache made afresh above holds a location manager over it.
    qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
    qov::QOVLocationManager::resetSharedManager();
    platform::Log::removeConsoleLogger();
}

void ApplicationWorld::resetServices() {
    platform::geo::PositionSource::setShared(nullptr);
    qov::QOVLocationManager::resetSharedManager();
    qov::QOVAdManager::resetSharedManager();
    qov::RatePrompter::resetSharedInstance();
    qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
    qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(m_silentDatasource);
}

std::shared_ptr<qov::QOVAppDelegate> ApplicationWorld::launch() {
    platform::ui::Application::shared().launch(qov::QOVAppDelegate::kMainInterfaceFile);
    platform::Log::removeConsoleLogger();
    return qov::QOVAppDelegate::currentAppDelegate();
}

void ApplicationWorld::passSplash() { advance(qov::SplashScreenViewController::kFadeDuration); }

std::shared_ptr<qov::QOVMasterViewController> ApplicationWorld::launchToRootScreen() {
    platform::UserDefaults::standard()->setBool(true, qov::QOVAppDelegate::kTermsViewShouldHideKey);
    launch();
    passSplash();
    return rootScreen();
}

std::shared_ptr<qov::QOVMasterViewController> ApplicationWorld::rootScreen() const {
    const auto delegate = qov::QOVAppDelegate::currentAppDelegate();
    return delegate ? std::dynamic_pointer_cast<qov::QOVMasterViewController>(delegate->viewController()) : nullptr;
}

void ApplicationWorld::relaunchApplicationObject() {
    platform::ui::Application::shared().resignActive();
    const auto defaults = platform::UserDefaults::standard();
    defaults->synchronize();
    platform::UserDefaults::resetStandard(std::make_shared<platform::UserDefaults>(defaults->file()));
    platform::ui::Application::resetShared();
    qov::QOVSettingsService::resetSharedInstance();
    qov::QOVMetricsService::resetSharedInstance();
    resetServices();
}

}  // namespace qovtest
