#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include "app/core/cache/ApplicationCache.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"

#include "platform/base/NotificationCenter.h"
#include "platform/geo/ScriptedPositionSource.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/TempHome.h"

namespace qovtest {

// The location manager's surroundings, shared by the manual-clock and the loopback tests: user defaults in a
// fresh home (restart() reads them back into a new manager, as a relaunch does), a scripted position source,
// the notifications the manager posts, in order.
class LocationManagerWorld {
    TempHome m_home;  // first: outlives the defaults, which write into it when they end

public:
    explicit LocationManagerWorld(std::shared_ptr<qov::ApplicationCache> cache = nullptr) : m_cache(std::move(cache)) {
        platform::NotificationCenter::defaultCenter().addObserver(this, "",
                                                                  [this](const platform::Notification& posted) {
                                                                      if (isManagerNotification(posted.name)) {
                                                                          notifications.push_back(posted);
                                                                      }
                                                                  });
        restart();
    }
    ~LocationManagerWorld() { platform::NotificationCenter::defaultCenter().removeObserver(this); }
    LocationManagerWorld(const LocationManagerWorld&) = delete;
    LocationManagerWorld& operator=(const LocationManagerWorld&) = delete;

    // Ends the manager and its defaults (which write what is pending) and starts new ones over the same file.
    // The notifications recorded so far are forgotten (they may hold the old manager).
    void restart() {
        notifications.clear();
        const std::weak_ptr<platform::UserDefaults> previous = defaults;
        manager.reset();
        defaults.reset();
        if (!previous.expired()) {
            ADD_FAILURE() << "the previous user defaults are still in use and would write over the file later";
        }
        defaults = std::make_shared<platform::UserDefaults>(defaultsFile());
        manager = qov::QOVLocationManager::create(defaults, positions, [cache = m_cache] { return cache; });
    }

    std::filesystem::path defaultsFile() const { return m_home.path() / "Library" / "Preferences" / "defaults.plist"; }

    // The names posted so far, in order.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& notification : notifications) {
            result.push_back(notification.name);
        }
        return result;
    }

    static std::shared_ptr<qov::QOVLocationIdentity> identity(const std::string& key, std::int32_t type = 1,
                                                              std::optional<std::string> nickname = std::nullopt) {
        return std::make_shared<qov::QOVLocationIdentity>(type, key, std::move(nickname));
    }
    static std::shared_ptr<qov::QOVLocation> record(const std::string& key, const std::string& city,
                                                    std::int32_t type = 1) {
        auto location = std::make_shared<qov::QOVLocation>();
        location->setType(type);
        location->setKey(key);
        location->setName(city);
        location->setCity(city);
        return location;
    }

    std::shared_ptr<platform::geo::ScriptedPositionSource> positions =
        std::make_shared<platform::geo::ScriptedPositionSource>();
    std::shared_ptr<platform::UserDefaults> defaults;
    std::shared_ptr<qov::QOVLocationManager> manager;
    std::vector<platform::Notification> notifications;

private:
    static bool isManagerNotification(const std::string& name) {
        return name == qov::QOVLocationManager::kCurrentLocationUpdatedNotification ||
               name == qov::QOVLocationManager::kLocationFavoriteUpdatedNotification ||
               (name.starts_with("update") && name.ends_with("CurrentLocationWithGPSNotification"));
    }

    std::shared_ptr<qov::ApplicationCache> m_cache;
};

}  // namespace qovtest
