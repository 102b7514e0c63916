#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "app/core/services/QOVSettingsService.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"
#include "tests/support/app/SilentDataService.h"

namespace qovtest {

// A manual clock and main loop, a fresh home (directories and user defaults), the build's application bundle and
// a data service that sends nothing for each settings test; the settings' class values are read afresh.
// Social-feature status notifications are recorded.
class SettingsFixture : public ManualClockFixture {
protected:
    SettingsFixture() : m_previousDirectories(platform::AppDirectories::shared()) {
        platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home.path()));
        platform::UserDefaults::resetStandard(
            std::make_shared<platform::UserDefaults>(m_home.path() / "Library" / "Preferences" / "defaults.plist"));
        qov::QOVSettingsService::resetSharedInstance();
        platform::NotificationCenter::defaultCenter().addObserver(
            this, qov::QOVSettingsService::kSwaggerStatusUpdatedNotification,
            [this](const platform::Notification& notification) { statusNotifications.push_back(notification); });
    }
    ~SettingsFixture() override {
        qov::QOVSettingsService::resetSharedInstance();
        platform::UserDefaults::resetStandard(nullptr);
        platform::AppDirectories::setShared(m_previousDirectories);
    }

    // A service over the home's caches directory, listening to the cache when one is given.
    static std::shared_ptr<qov::QOVSettingsService> makeService(
        const std::shared_ptr<qov::ApplicationCache>& cache = nullptr) {
        return qov::QOVSettingsService::create(cachesDirectory(), cache);
    }
    static std::filesystem::path cachesDirectory() { return platform::AppDirectories::shared()->cachesDirectory(); }
    static std::filesystem::path storeFile() { return cachesDirectory() / qov::QOVSettingsService::storeFileName(); }
    const std::filesystem::path& home() const { return m_home.path(); }

    std::vector<platform::Notification> statusNotifications;

private:
    TempHome m_home;
    TestBundle m_bundle;
    SilentDataService m_dataService;
    std::shared_ptr<platform::AppDirectories> m_previousDirectories;
};

}  // namespace qovtest
