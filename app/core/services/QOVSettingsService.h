#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/cache/ApplicationCacheConfigurationChangedDelegate.h"
#include "platform/base/KeyValueObserving.h"
#include "platform/base/Object.h"
#include "platform/base/Value.h"

namespace qov {

class ApplicationCache;
class QOVMobileAppConfig;

// The application's settings: the user's choices (units, map and globe options, feature switches), the values
// the remote configuration pushes (social-feature status, measurement switch, latest versions, the seasonal tab,
// the rating prompt's thresholds and message), the push device token, the bundle's service keys and the
// install identifier.
//
// The settings are one dictionary kept as a property list in the caches directory
// ("<bundle identifier>.settings.plist"), written atomically after each stored change; a missing or unreadable
// file starts them empty and every getter answers its default. A setter stores (and writes) only when the key
// is absent or the new value differs from the stored one, and reports the change around the store to the
// key-value observers under the property's name (keyValueObservers()). A failed write is logged; the values in
// memory stay authoritative.
//
// This is the premium edition: every premium feature answers YES and ads answer NO whatever is stored.
//
// The service listens to the application cache for the configurations "common" (900 s) and appConfigKey()
// (1800 s); see configurationChanged(). Getters and setters may be called from any thread (the dictionary is
// guarded); notices are sent on the calling thread, outside the lock.
class QOVSettingsService : public platform::Object,
                           public ApplicationCacheConfigurationChangedDelegate,
                           public std::enable_shared_from_this<QOVSettingsService> {
public:
    static constexpr const char* kSwaggerStatusUpdatedNotification = "SWAGGER_STATUS_UPDATED_NOTIFICATION";
    static constexpr const char* kSwaggerNotificationUpdatedStatusKey = "kSwaggerNotificationUpdatedStatusKey";
    static constexpr const char* kCommonConfigurationId = "common";
    static constexpr double kCommonConfigurationTimeToLive = 900.0;
    static constexpr double kAppConfigurationTimeToLive = 1800.0;
    static constexpr const char* kStoreFileSuffix = ".settings.plist";
    static constexpr const char* kDefaultUserMessage =
        "If you enjoy using %@, would you mind taking a moment to rate it? It won't take more than a minute. "
        "Thanks for your support!";

    // Values of swaggerStatus().
    static constexpr unsigned kSwaggerStatusOn = 0;
    static constexpr unsigned kSwaggerStatusAllOff = 1;
    static constexpr unsigned kSwaggerStatusComposeOff = 2;

    // The process instance: the store in the application caches directory, listening to the process
    // application cache; it gives the process metrics service its "siteStatsDisabled" reading. Made on first
    // use.
    static std::shared_ptr<QOVSettingsService> sharedInstance();
    // Tests: forgets the process instance (the next sharedInstance() makes a new one) and the class values, so
    // the next use reads the main bundle and the user defaults again.
    static void resetSharedInstance();

    // A service over the store in cachesDirectory: loads the store, then listens to the cache for the two
    // configurations (no listening without a cache).
    static std::shared_ptr<QOVSettingsService> create(std::filesystem::path cachesDirectory,
                                                      const std::shared_ptr<ApplicationCache>& cache);

    ~QOVSettingsService() override;
    QOVSettingsService(const QOVSettingsService&) = delete;
    QOVSettingsService& operator=(const QOVSettingsService&) = delete;

    // --- Class values, read once from the main bundle's information list (absent keys read as empty) ---
    static std::string twitterAPIKey();
    static std::string twitterSecret();
    static std::string facebookAppID();
    static std::string facebookAPIKey();
    static std::string facebookAPISecret();
    static std::string kickappsSiteID();
    static std::string kickappsDeveloperKey();
    static std::string appStoreID();
    static std::string privacyPolicyURL();
    static std::string termsOfServiceURL();
    static std::string appStoreURL();
    static std::string adServersKey();
    static std::string adZonesKey();
    // The application id of this application's remote configuration.
    static std::string appConfigKey();
    // The install identifier, shared with the metrics service (user default "kQOVApplicationGuid").
    static std::string guid();
    // The store's file name: the bundle identifier followed by ".settings.plist".
    static std::string storeFileName();

    // The edition: a property of the build, not a stored setting.
    static constexpr bool isPremiumApp() { return true; }

    // Observers of the settings' property names ("unitOfMeasureSelection", "swaggerStatus", ...).
    platform::KeyValueObserving& keyValueObservers() { return m_observers; }

    // --- Settings ---
    std::optional<platform::Data> apnDeviceToken() const;
    // Stores when different from the stored token; no token removes the stored one.
    void setApnDeviceToken(const std::optional<platform::Data>& token);

    bool gpsDotEnabled() const;
    void setGpsDotEnabled(bool enabled);
    unsigned userMapViewType() const;
    void setUserMapViewType(unsigned type);
    float overlayTransparency() const;
    void setOverlayTransparency(float transparency);
    bool globeDayNightDisabled() const;
    void setGlobeDayNightDisabled(bool disabled);
    bool globeZavioEnabled() const;
    void setGlobeZavioEnabled(bool enabled);
    bool globeCloudsDisabled() const;
    void setGlobeCloudsDisabled(bool disabled);
    bool globeIsHidden() const;
    void setGlobeIsHidden(bool hidden);

    // Rating prompt thresholds: a stored 0 (or none) reads as the default: -1 events (none asked for), 5 uses,
    // 1 day.
    std::int64_t eventsUntilPrompt() const;
    void setEventsUntilPrompt(std::int64_t events);
    std::int64_t usesUntilPrompt() const;
    void setUsesUntilPrompt(std::int64_t uses);
    std::int64_t daysUntilPrompt() const;
    void setDaysUntilPrompt(std::int64_t days);
    // The prompt's text ("%@" stands for the application's name); the default when none or an empty one is
    // stored. Empty text is ignored.
    std::string userMessage() const;
    void setUserMessage(const std::string& message);
    bool isRatePrompterEnabled() const;
    void setRatePrompterEnabled(bool enabled);

    bool isTombstoneAdRefreshActive() const;
    void setTombstoneAdRefreshActive(bool active);
    std::optional<std::string> inseasonIcon() const;
    void setInseasonIcon(const std::string& icon);
    std::optional<std::string> inseasonURL() const;
    void setInseasonURL(const std::string& url);
    std::optional<std::string> latestIosVersion() const;
    void setLatestIosVersion(const std::string& version);
    std::optional<std::string> latestAppVersion() const;
    void setLatestAppVersion(const std::string& version);
    bool forceUpgrade() const;
    void setForceUpgrade(bool force);
    bool siteStatsDisabled() const;
    void setSiteStatsDisabled(bool disabled);

    // The social feature: kSwaggerStatusOn, kSwaggerStatusAllOff or kSwaggerStatusComposeOff. A stored change
    // posts kSwaggerStatusUpdatedNotification (object: this service; user information: the new status under
    // kSwaggerNotificationUpdatedStatusKey) after the store is written.
    unsigned swaggerStatus() const;
    void setSwaggerStatus(unsigned status);
    void setSwaggerDefaultStatus() { setSwaggerStatus(kSwaggerStatusOn); }

    // 0 imperial, 1 metric, 2 (the default) follow the locale.
    unsigned unitOfMeasureSelection() const;
    void setUnitOfMeasureSelection(unsigned selection);

    // Feature switches; the premium edition answers without reading the store.
    bool areActiveStormsEnabled() const;
    void setActiveStormsEnabled(bool enabled);
    bool isTropidexEnabled() const;
    void setTropidexEnabled(bool enabled);
    bool isImageryEnabled() const;
    void setImageryEnabled(bool enabled);
    bool isNationalSevereWeatherEnabled() const { return true; }
    void setNationalSevereWeatherEnabled(bool enabled);
    bool isHiRadEnabled() const;
    void setHiRadEnabled(bool enabled);
    bool isAppLocationServiceEnabled() const;
    void setAppLocationServiceEnabled(bool enabled);
    bool isCrashLogEnabled() const;
    void setCrashLogEnabled(bool enabled);
    bool isFutureRadarEnabled() const;
    void setFutureRadarEnabled(bool enabled);
    bool isMarineForecastEnabled() const;
    void setMarineForecastEnabled(bool enabled);
    bool arePushAlertsEnabled() const;
    void setPushAlertsEnabled(bool enabled);
    bool areAdsEnabled() const;
    void setAdsEnabled(bool enabled);

    // The shared body of the boolean setters: stores when the key is absent or the stored value differs.
    void setSettingsKey(std::string_view settingsKey, const std::string& property, bool value);

    // --- Remote configuration ---
    // "common": the social-feature status from "swagger" "killall" (1) and "killcompose" (2), else 0.
    // appConfigKey(): the measurement switch, latest versions, seasonal tab, forced upgrade, ad refresh and
    // the rating prompt's switch, text and thresholds. Any other id changes nothing.
    void configurationChanged(const std::shared_ptr<QOVMobileAppConfig>& configuration) override;
    void startListeningForAppConfigurationUpdates();
    // Stops listening to both configurations and starts again.
    void resetSettings();

    // --- Store ---
    void loadSettingsFromStore();
    // Writes the whole dictionary atomically; false (and a log line) when it could not be written.
    bool writeSettingsToStore();
    // The file of that name in the caches directory.
    std::filesystem::path pathURLWithFileName(const std::string& fileName) const;

    // "4.2" → 420, "4.2.1" → 421, "10.0.1" → 1001: the dots removed, the leading integer taken, and multiplied
    // by ten when it is at most 99; nil or no leading digits → 0.
    static std::uint64_t versionStringAsNumber(const std::optional<std::string>& version);
    // Component-wise comparison of dotted versions ("10.1" is newer than "4.2"; "4.2" equals "4.2.0");
    // components read by their leading digits. Negative, zero or positive like strcmp.
    static int compareVersions(std::string_view lhs, std::string_view rhs);

private:
    // Only create() makes services.
    struct ConstructionToken {
        explicit ConstructionToken() = default;
    };

public:
    QOVSettingsService(ConstructionToken, std::filesystem::path cachesDirectory,
                       const std::shared_ptr<ApplicationCache>& cache);

private:
    platform::Value storedValue(std::string_view key) const;
    bool storedBool(std::string_view key, bool fallback) const;
    std::optional<std::string> storedString(std::string_view key) const;
    std::int64_t storedThreshold(std::string_view key, std::int64_t fallback) const;
    unsigned storedUnsigned(std::string_view key, unsigned fallback) const;
    // Stores the value when the key is absent or (unless always) the stored value differs, reporting the
    // change to the observers of property and writing the store; answers whether it stored.
    bool store(std::string_view key, const std::string& property, platform::Value value, bool always = false);

    std::filesystem::path m_cachesDirectory;
    std::weak_ptr<ApplicationCache> m_cache;
    mutable std::recursive_mutex m_mutex;
    platform::Dictionary m_settings;
    platform::KeyValueObserving m_observers;
};

}  // namespace qov
