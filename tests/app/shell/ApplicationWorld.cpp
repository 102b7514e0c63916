#include "tests/app/shell/ApplicationWorld.h"

#include "app/composition/ApplicationComposition.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/datasource/QOVTileServerDatasource.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/rating/RatePrompter.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "platform/base/Log.h"
#include "platform/geo/PositionSource.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

namespace qovtest {

namespace {

// A loopback port nobody listens on: a request there is refused at once, and no host name is looked up.
constexpr const char* kNobody = "http://127.0.0.1:1";

}  // namespace

ApplicationWorld::ApplicationWorld() {
    resetServices();
    auto tileServer = qov::QOVTileServerDatasource::create();
    tileServer->setTileServerHosts(kNobody, kNobody);
    qov::QOVMapCache::setSharedInstance(qov::QOVMapCache::create(qov::ApplicationCachesDirectory::path(), tileServer));
    qov::registerApplication();
}

ApplicationWorld::~ApplicationWorld() {
    platform::ui::Application::resetShared();  // the screens let go of the services first
    resetServices();
    qov::QOVMapCache::setSharedInstance(nullptr);
    platform::Log::removeConsoleLogger();
}

void ApplicationWorld::resetServices() {
    platform::geo::PositionSource::setShared(nullptr);
    qov::QOVLocationManager::resetSharedManager();
    qov::QOVAdManager::resetSharedManager();
    qov::RatePrompter::resetSharedInstance();
    // Made again on first use, over this home and the shell fixture's silent data service.
    qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
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
