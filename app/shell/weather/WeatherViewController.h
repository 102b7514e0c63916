#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/shell/root/PlaceholderScreen.h"

namespace qov {

// The root screen of the Weather tab (tab item "weather"). This build shows its title only; it keeps the weather
// of the current location it is given.
class WeatherViewController : public PlaceholderScreen, public ApplicationCacheLocationChangedDelegate {
public:
    WeatherViewController();
    explicit WeatherViewController(const std::string& nibName);

    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override { m_location = location; }
    bool fireBeaconOnAppear() const override { return false; }
    bool hasDefaultTweetText() const { return true; }

private:
    std::shared_ptr<QOVLocation> m_location;
};

}  // namespace qov
