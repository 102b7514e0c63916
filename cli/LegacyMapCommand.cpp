#include "cli/LegacyMapCommand.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/legacymaps/screens/LegacyMapsViewController.h"
#include "app/legacymaps/series/QOVTileSeries.h"
#include "app/shell/root/RootScreenState.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/Window.h"

namespace qovcli {

namespace {

std::shared_ptr<qov::QOVLocation> currentPlace() {
    const auto identity = qov::QOVLocationManager::sharedManager()->currentLocation();
    return identity ? qov::ApplicationCacheFactory::sharedInstance().cache()->cachedLocation(*identity) : nullptr;
}

// The older tile map spreads its tiles over four host names by the quad key's last digit; every name under
// "localhost" reaches the loopback address, so a service there answers all four.
std::string legacyTileHosts(const std::string& host) {
    const auto colon = host.rfind(':');
    const std::string name = host.substr(0, colon);
    if (name == "127.0.0.1" || name == "localhost") {
        return "http://t%@.localhost" + (colon == std::string::npos ? std::string() : host.substr(colon));
    }
    return "http://" + host;
}

}  // namespace

std::optional<std::string> openLegacyMap(const std::string& host) {
    const auto window = platform::ui::Application::shared().keyWindow();
    const auto root = window ? window->rootViewController() : nullptr;
    if (!root) {
        return "no screen to present the older tile map over";
    }
    if (!qov::RootScreenState::isRootScreenShown()) {
        return "the older tile map opens over the root screen: accept the terms first";
    }
    if (root->modalViewController()) {
        return "a screen is already presented over the root screen";
    }
    qov::QOVTileSeries::setSharedInstance(qov::QOVTileSeries::create("http://" + host, legacyTileHosts(host)));
    platform::ui::Device::current().setUserInterfaceIdiom(platform::ui::UserInterfaceIdiom::Pad);
    platform::ui::Screen::setSize(platform::ui::Screen::kPadSize);
    window->setFrame(platform::ui::Screen::bounds());
    const auto screen = qov::QOVViewController::viewControllerFromNib<qov::LegacyMapsViewController>();
    root->presentModalViewController(screen, false);
    if (const auto place = currentPlace(); place && screen->qovMapView) {
        screen->locationDataChanged(place);
        screen->qovMapView->locationDataChanged(place);
        screen->qovMapView->setLocation(place);
    }
    return std::nullopt;
}

void registerLegacyMapCommand(const std::string& host) {
    qov::registerLegacyMapInterfaceFiles();
    platform::ui::ScreenScript::registerCommand("legacymap", [host](const std::string& argument) {
        return argument.empty() ? openLegacyMap(host) : "legacymap takes no argument";
    });
}

}  // namespace qovcli
