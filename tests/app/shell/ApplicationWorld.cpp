#include "tests/app/shell/ApplicationWorld.h"

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/maps/MapsScreens.h"
#include "app/neighbours/screens/NeighbourScreens.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/application/ApplicationInterfaceFiles.h"
#include "app/shell/interface/ShellInterfaceFiles.h"
#include "app/shell/rating/RatePrompter.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "platform/base/Log.h"
#include "platform/geo/PositionSource.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

namespace qovtest {

ApplicationWorld::ApplicationWorld() : m_homePath(m_home.path().string()) {
    platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home.path()));
    resetServices();
    qov::registerShellInterfaceFiles();
    qov::ApplicationInterfaceFiles::registerAll();
    qov::registerMapsScreens();
    qov::registerNeighbourScreens();
}

ApplicationWorld::~ApplicationWorld() {
    platform::ui::Application::resetShared();
    resetServices();
    platform::Log::removeConsoleLogger();
    platform::AppDirectories::setShared(nullptr);
}

void ApplicationWorld::resetServices() {
    platform::ui::Application::resetShared();
    platform::UserDefaults::resetStandard(nullptr);
    platform::geo::PositionSource::setShared(nullptr);
    qov::QOVLocationManager::resetSharedManager();
    qov::QOVSettingsService::resetSharedInstance();
    qov::QOVMetricsService::resetSharedInstance();
    qov::QOVAdManager::resetSharedManager();
    qov::RatePrompter::resetSharedInstance();
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
    platform::UserDefaults::standard()->synchronize();
    resetServices();
}

}  // namespace qovtest
