#include "app/core/services/QOVSettingsService.h"

#include <limits>
#include <system_error>
#include <utility>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/core/services/ApplicationGuid.h"
#include "app/core/services/QOVMetricsService.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/NumberText.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/PrivateFolder.h"
#include "platform/storage/PropertyList.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

constexpr const char* kDefaultBundleIdentifier = "com.qovara.Qovara";
constexpr std::size_t kMaxStoreSize = 16 * 1024 * 1024;

// Settings keys.
constexpr const char* kAPNDeviceTokenKey = "kAPNDeviceTokenKey";
constexpr const char* kGpsDotEnabledKey = "kSettingsMapGPSDotEnabledKey";
constexpr const char* kUserMapViewTypeKey = "kSettingsMapUserMapViewTypeKey";
constexpr const char* kOverlayTransparencyKey = "kSettingsMapOverlayTransparencyKey";
constexpr const char* kGlobeDayNightDisabledKey = "kSettingsGlobeDayNightDisabledKey";
constexpr const char* kGlobeZavioEnabledKey = "kSettingsGlobeZavioEnabledKey";
constexpr const char* kGlobeCloudsDisabledKey = "kSettingsGlobeCloudsDisabledKey";
constexpr const char* kGlobeIsHiddenKey = "kSettingsGlobeIsHiddenKey";
constexpr const char* kEventsUntilPromptKey = "kSettingsRatePrompterEventsUntilPromptKey";
constexpr const char* kUsesUntilPromptKey = "kSettingsRatePrompterUsesUntilPromptKey";
constexpr const char* kDaysUntilPromptKey = "kSettingsRatePrompterDaysUntilPrompt";
constexpr const char* kUserMessageKey = "kSettingsRatePrompterUserMessageKey";
constexpr const char* kRatePrompterEnabledKey = "kSettingsRatePrompterEnabledKey";
constexpr const char* kTombstoneAdRefreshActiveKey = "kSettingsTombstoneAdRefreshActiveKey";
constexpr const char* kInseasonIconKey = "kSettingsInseasonIcon";
constexpr const char* kLatestIosVersionKey = "kSettingsLatestIosVersion";
constexpr const char* kForceUpgradeKey = "kSettingsForceUpgrade";
constexpr const char* kInseasonURLKey = "kSettingsInseasonURL";
constexpr const char* kLatestAppVersionKey = "kSettingsLatestAppVersion";
constexpr const char* kSiteStatsDisabledKey = "kSettingsSiteStatsDisabledKey";
constexpr const char* kSwaggerStatusKey = "kSettingsSwaggerStatusKey";
constexpr const char* kUOMSelectionKey = "kUOMSelectionKey";
constexpr const char* kActiveStormsEnabledKey = "kSettingsActiveStormsEnabledKey";
constexpr const char* kTropidexEnabledKey = "kSettingsTropidexEnabledKey";
constexpr const char* kImageryEnabledKey = "kSettingsImageryEnabledKey";
constexpr const char* kNationalSevereWeatherEnabledKey = "kSettingsNationalSevereWeatherEnabledKey";
constexpr const char* kHiRadEnabledKey = "kSettingsHiRadEnabledKey";
constexpr const char* kAppLocationServiceEnabledKey = "kSettingsAppLocationServiceEnabledKey";
constexpr const char* kCrashLogEnabledKey = "kSettingsCrashLogEnabledKey";
constexpr const char* kFutureRadarEnabledKey = "kSettingsFutureRadarEnabledKey";
constexpr const char* kMarineForecastEnabledKey = "kSettingsMarineForecastEnabledKey";
constexpr const char* kPushAlertsEnabledKey = "kSettingsPushAlertsEnabledKey";
constexpr const char* kAdsEnabledKey = "kSettingsAdsEnabledKey";

// What the class reads once from the main bundle and the user defaults.
struct ClassValues {
    std::string twitterAPIKey;
    std::string twitterSecret;
    std::string facebookAppID;
    std::string facebookAPIKey;
    std::string facebookAPISecret;
    std::string kickappsSiteID;
    std::string kickappsDeveloperKey;
    std::string appStoreID;
    std::string privacyPolicyURL;
    std::string termsOfServiceURL;
    std::string appStoreURL;
    std::string adServersKey;
    std::string adZonesKey;
    std::string appConfigKey;
    std::string storeFileName;
    std::string guid;
};

std::string infoText(const platform::Bundle& bundle, std::string_view key) {
    return bundle.objectForInfoDictionaryKey(key).stringValue();
}

// The bundle identifier, when it can name a file in the caches directory.
std::string storePrefix(const platform::Bundle& bundle) {
    const std::string identifier = infoText(bundle, "CFBundleIdentifier");
    const bool usable = !identifier.empty() && identifier != "." && identifier != ".." &&
                        identifier.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
    if (!usable) {
        if (!identifier.empty()) {
            QOV_LOG_WARN("The bundle identifier \"{}\" cannot name the settings store; using {}", identifier,
                         kDefaultBundleIdentifier);
        }
        return kDefaultBundleIdentifier;
    }
    return identifier;
}

ClassValues readClassValues() {
    const platform::Bundle& bundle = platform::Bundle::main();
    ClassValues values;
    values.twitterAPIKey = infoText(bundle, "QOVTwitterAPIKey");
    values.twitterSecret = infoText(bundle, "QOVTwitterSecret");
    values.facebookAppID = infoText(bundle, "QOVFacebookAppID");
    values.facebookAPIKey = infoText(bundle, "QOVFacebookAPIKey");
    values.facebookAPISecret = infoText(bundle, "QOVFacebookAPISecret");
    values.kickappsSiteID = infoText(bundle, "QOVKickappsSiteID");
    values.kickappsDeveloperKey = infoText(bundle, "QOVKickappsDeveloperKey");
    values.appStoreID = infoText(bundle, "QOVAppStoreID");
    values.privacyPolicyURL = infoText(bundle, "QOVPrivacyPolicyURL");
    values.termsOfServiceURL = infoText(bundle, "QOVTermsOfServiceURL");
    values.appStoreURL = infoText(bundle, "QOVAppStoreURL");
    values.adServersKey = infoText(bundle, "QOVAdServersKey");
    values.adZonesKey = infoText(bundle, "QOVAdZonesKey");
    values.appConfigKey = infoText(bundle, "QOVAppConfigKey");
    values.storeFileName = storePrefix(bundle) + QOVSettingsService::kStoreFileSuffix;
    values.guid = ApplicationGuid::guidFromDefaults(*platform::UserDefaults::standard());
    return values;
}

struct ClassState {
    std::mutex mutex;
    std::shared_ptr<const ClassValues> values;
    std::shared_ptr<QOVSettingsService> instance;
};

ClassState& classState() {
    static platform::NeverDestroyed<ClassState> state;
    return *state;
}

// Shared, so a reset in a test never pulls the values from under a reader.
std::shared_ptr<const ClassValues> classValues() {
    ClassState& state = classState();
    const std::lock_guard lock(state.mutex);
    if (!state.values) {
        state.values = std::make_shared<const ClassValues>(readClassValues());
    }
    return state.values;
}

bool isNumber(const platform::Value& value) { return value.ifBool() || value.ifInteger() || value.ifDouble(); }

// Whether a stored value already holds the new one: numbers (and booleans) by value, others exactly.
bool sameValue(const platform::Value& stored, const platform::Value& value) {
    if (isNumber(stored) && isNumber(value)) {
        if (stored.ifDouble() || value.ifDouble()) {
            return stored.doubleValue() == value.doubleValue();
        }
        return stored.integerValue() == value.integerValue();
    }
    return stored == value;
}

platform::PlistNode parseStore(const std::string& bytes, std::string& problem) {
    constexpr std::string_view kBinaryMagic = "bplist00";
    if (bytes.starts_with(kBinaryMagic)) {
        return platform::PropertyList::parseBinary(bytes, problem);
    }
    return platform::PropertyList::parseXml(bytes, problem);
}

}  // namespace

// --- Class ---

std::shared_ptr<QOVSettingsService> QOVSettingsService::sharedInstance() {
    ClassState& state = classState();
    const auto existing = [&state] {
        const std::lock_guard lock(state.mutex);
        return state.instance;
    };
    if (auto instance = existing()) {
        return instance;
    }
    // Creation has a lock of its own: making the service reads the class values, which take the state's lock.
    static platform::NeverDestroyed<std::mutex> creationMutex;
    const std::lock_guard creation(*creationMutex);
    if (auto instance = existing()) {
        return instance;
    }
    auto created = create(ApplicationCachesDirectory::path(), ApplicationCacheFactory::sharedInstance().cache());
    // Measurement follows the remote switch kept here.
    QOVMetricsService::sharedInstance()->setSiteStatsDisabledProvider(
        platform::bindWeak(created, &QOVSettingsService::siteStatsDisabled));
    const std::lock_guard lock(state.mutex);
    state.instance = created;
    return created;
}

void QOVSettingsService::resetSharedInstance() {
    std::shared_ptr<QOVSettingsService> previous;
    ClassState& state = classState();
    {
        const std::lock_guard lock(state.mutex);
        previous = std::move(state.instance);
        state.values.reset();
    }
}

std::shared_ptr<QOVSettingsService> QOVSettingsService::create(std::filesystem::path cachesDirectory,
                                                               const std::shared_ptr<ApplicationCache>& cache) {
    classValues();
    auto service = std::make_shared<QOVSettingsService>(ConstructionToken{}, std::move(cachesDirectory), cache);
    service->loadSettingsFromStore();
    service->startListeningForAppConfigurationUpdates();
    return service;
}

QOVSettingsService::QOVSettingsService(ConstructionToken, std::filesystem::path cachesDirectory,
                                       const std::shared_ptr<ApplicationCache>& cache)
    : m_cachesDirectory(std::move(cachesDirectory)), m_cache(cache) {}

QOVSettingsService::~QOVSettingsService() {
    if (auto cache = m_cache.lock()) {
        cache->stopListeningForConfigurationDelegate(this);
    }
}

std::string QOVSettingsService::twitterAPIKey() { return classValues()->twitterAPIKey; }
std::string QOVSettingsService::twitterSecret() { return classValues()->twitterSecret; }
std::string QOVSettingsService::facebookAppID() { return classValues()->facebookAppID; }
std::string QOVSettingsService::facebookAPIKey() { return classValues()->facebookAPIKey; }
std::string QOVSettingsService::facebookAPISecret() { return classValues()->facebookAPISecret; }
std::string QOVSettingsService::kickappsSiteID() { return classValues()->kickappsSiteID; }
std::string QOVSettingsService::kickappsDeveloperKey() { return classValues()->kickappsDeveloperKey; }
std::string QOVSettingsService::appStoreID() { return classValues()->appStoreID; }
std::string QOVSettingsService::privacyPolicyURL() { return classValues()->privacyPolicyURL; }
std::string QOVSettingsService::termsOfServiceURL() { return classValues()->termsOfServiceURL; }
std::string QOVSettingsService::appStoreURL() { return classValues()->appStoreURL; }
std::string QOVSettingsService::adServersKey() { return classValues()->adServersKey; }
std::string QOVSettingsService::adZonesKey() { return classValues()->adZonesKey; }
std::string QOVSettingsService::appConfigKey() { return classValues()->appConfigKey; }
std::string QOVSettingsService::guid() { return classValues()->guid; }
std::string QOVSettingsService::storeFileName() { return classValues()->storeFileName; }

// --- Reading and storing ---

platform::Value QOVSettingsService::storedValue(std::string_view key) const {
    const std::lock_guard lock(m_mutex);
    const platform::Value* value = platform::valueForKey(m_settings, key);
    return value ? *value : platform::Value();
}

bool QOVSettingsService::storedBool(std::string_view key, bool fallback) const {
    return storedValue(key).boolValue(fallback);
}

std::optional<std::string> QOVSettingsService::storedString(std::string_view key) const {
    const platform::Value value = storedValue(key);
    if (const auto* text = value.ifString()) {
        return *text;
    }
    return std::nullopt;
}

std::int64_t QOVSettingsService::storedThreshold(std::string_view key, std::int64_t fallback) const {
    const std::int64_t value = storedValue(key).integerValue(0);
    return value == 0 ? fallback : value;
}

unsigned QOVSettingsService::storedUnsigned(std::string_view key, unsigned fallback) const {
    const platform::Value value = storedValue(key);
    if (!isNumber(value)) {
        return fallback;
    }
    const std::int64_t number = value.integerValue();
    if (number < 0 || number > std::numeric_limits<unsigned>::max()) {
        QOV_LOG_WARN("The setting {} holds {}, outside its range; using its default", key, number);
        return fallback;
    }
    return static_cast<unsigned>(number);
}

bool QOVSettingsService::store(std::string_view key, const std::string& property, platform::Value value, bool always) {
    platform::Value old;
    {
        const std::lock_guard lock(m_mutex);
        const platform::Value* stored = platform::valueForKey(m_settings, key);
        if (!stored && value.isNull()) {
            return false;
        }
        if (stored && !always && sameValue(*stored, value)) {
            return false;
        }
        if (stored) {
            old = *stored;
        }
    }
    m_observers.willChange(property, old);
    {
        const std::lock_guard lock(m_mutex);
        if (value.isNull()) {
            m_settings.erase(std::string(key));
        } else {
            m_settings.insert_or_assign(std::string(key), value);
        }
    }
    m_observers.didChange(property, value);
    writeSettingsToStore();
    return true;
}

void QOVSettingsService::setSettingsKey(std::string_view settingsKey, const std::string& property, bool value) {
    store(settingsKey, property, value);
}

// --- Settings ---

std::optional<platform::Data> QOVSettingsService::apnDeviceToken() const {
    const platform::Value value = storedValue(kAPNDeviceTokenKey);
    if (const auto* data = value.ifData()) {
        return *data;
    }
    return std::nullopt;
}

void QOVSettingsService::setApnDeviceToken(const std::optional<platform::Data>& token) {
    store(kAPNDeviceTokenKey, "apnDeviceToken", token ? platform::Value(*token) : platform::Value());
}

bool QOVSettingsService::gpsDotEnabled() const { return storedBool(kGpsDotEnabledKey, false); }
void QOVSettingsService::setGpsDotEnabled(bool enabled) { store(kGpsDotEnabledKey, "gpsDotEnabled", enabled, true); }

unsigned QOVSettingsService::userMapViewType() const { return storedUnsigned(kUserMapViewTypeKey, 0); }
void QOVSettingsService::setUserMapViewType(unsigned type) {
    store(kUserMapViewTypeKey, "userMapViewType", type, true);
}

float QOVSettingsService::overlayTransparency() const {
    return static_cast<float>(storedValue(kOverlayTransparencyKey).doubleValue(0.0));
}
void QOVSettingsService::setOverlayTransparency(float transparency) {
    store(kOverlayTransparencyKey, "overlayTransparency", static_cast<double>(transparency), true);
}

bool QOVSettingsService::globeDayNightDisabled() const { return storedBool(kGlobeDayNightDisabledKey, false); }
void QOVSettingsService::setGlobeDayNightDisabled(bool disabled) {
    store(kGlobeDayNightDisabledKey, "globeDayNightDisabled", disabled, true);
}

bool QOVSettingsService::globeZavioEnabled() const { return storedBool(kGlobeZavioEnabledKey, false); }
void QOVSettingsService::setGlobeZavioEnabled(bool enabled) {
    store(kGlobeZavioEnabledKey, "globeZavioEnabled", enabled, true);
}

bool QOVSettingsService::globeCloudsDisabled() const { return storedBool(kGlobeCloudsDisabledKey, false); }
void QOVSettingsService::setGlobeCloudsDisabled(bool disabled) {
    store(kGlobeCloudsDisabledKey, "globeCloudsDisabled", disabled, true);
}

bool QOVSettingsService::globeIsHidden() const { return storedBool(kGlobeIsHiddenKey, true); }
void QOVSettingsService::setGlobeIsHidden(bool hidden) { store(kGlobeIsHiddenKey, "globeIsHidden", hidden, true); }

std::int64_t QOVSettingsService::eventsUntilPrompt() const { return storedThreshold(kEventsUntilPromptKey, -1); }
void QOVSettingsService::setEventsUntilPrompt(std::int64_t events) {
    store(kEventsUntilPromptKey, "eventsUntilPrompt", events);
}

std::int64_t QOVSettingsService::usesUntilPrompt() const { return storedThreshold(kUsesUntilPromptKey, 5); }
void QOVSettingsService::setUsesUntilPrompt(std::int64_t uses) { store(kUsesUntilPromptKey, "usesUntilPrompt", uses); }

std::int64_t QOVSettingsService::daysUntilPrompt() const { return storedThreshold(kDaysUntilPromptKey, 1); }
void QOVSettingsService::setDaysUntilPrompt(std::int64_t days) { store(kDaysUntilPromptKey, "daysUntilPrompt", days); }

std::string QOVSettingsService::userMessage() const {
    std::optional<std::string> message = storedString(kUserMessageKey);
    return message && !message->empty() ? std::move(*message) : kDefaultUserMessage;
}
void QOVSettingsService::setUserMessage(const std::string& message) {
    if (!message.empty()) {
        store(kUserMessageKey, "userMessage", message);
    }
}

bool QOVSettingsService::isRatePrompterEnabled() const { return storedBool(kRatePrompterEnabledKey, false); }
void QOVSettingsService::setRatePrompterEnabled(bool enabled) {
    setSettingsKey(kRatePrompterEnabledKey, "ratePrompterEnabled", enabled);
}

bool QOVSettingsService::isTombstoneAdRefreshActive() const { return storedBool(kTombstoneAdRefreshActiveKey, false); }
void QOVSettingsService::setTombstoneAdRefreshActive(bool active) {
    setSettingsKey(kTombstoneAdRefreshActiveKey, "tombstoneAdRefreshActive", active);
}

std::optional<std::string> QOVSettingsService::inseasonIcon() const { return storedString(kInseasonIconKey); }
void QOVSettingsService::setInseasonIcon(const std::string& icon) { store(kInseasonIconKey, "inseasonIcon", icon); }

std::optional<std::string> QOVSettingsService::inseasonURL() const { return storedString(kInseasonURLKey); }
void QOVSettingsService::setInseasonURL(const std::string& url) { store(kInseasonURLKey, "inseasonURL", url); }

std::optional<std::string> QOVSettingsService::latestIosVersion() const { return storedString(kLatestIosVersionKey); }
void QOVSettingsService::setLatestIosVersion(const std::string& version) {
    store(kLatestIosVersionKey, "latestIosVersion", version);
}

std::optional<std::string> QOVSettingsService::latestAppVersion() const { return storedString(kLatestAppVersionKey); }
void QOVSettingsService::setLatestAppVersion(const std::string& version) {
    store(kLatestAppVersionKey, "latestAppVersion", version);
}

bool QOVSettingsService::forceUpgrade() const { return storedBool(kForceUpgradeKey, false); }
void QOVSettingsService::setForceUpgrade(bool force) { setSettingsKey(kForceUpgradeKey, "forceUpgrade", force); }

bool QOVSettingsService::siteStatsDisabled() const { return storedBool(kSiteStatsDisabledKey, false); }
void QOVSettingsService::setSiteStatsDisabled(bool disabled) {
    setSettingsKey(kSiteStatsDisabledKey, "siteStatsDisabled", disabled);
}

unsigned QOVSettingsService::swaggerStatus() const { return storedUnsigned(kSwaggerStatusKey, kSwaggerStatusOn); }
void QOVSettingsService::setSwaggerStatus(unsigned status) {
    if (!store(kSwaggerStatusKey, "swaggerStatus", status)) {
        return;
    }
    platform::Dictionary userInfo;
    userInfo.emplace(kSwaggerNotificationUpdatedStatusKey, status);
    platform::NotificationCenter::defaultCenter().postNotification(kSwaggerStatusUpdatedNotification,
                                                                   weak_from_this().lock(), std::move(userInfo));
}

unsigned QOVSettingsService::unitOfMeasureSelection() const { return storedUnsigned(kUOMSelectionKey, 2); }
void QOVSettingsService::setUnitOfMeasureSelection(unsigned selection) {
    store(kUOMSelectionKey, "unitOfMeasureSelection", selection);
}

bool QOVSettingsService::areActiveStormsEnabled() const {
    return isPremiumApp() || storedBool(kActiveStormsEnabledKey, false);
}
void QOVSettingsService::setActiveStormsEnabled(bool enabled) {
    setSettingsKey(kActiveStormsEnabledKey, "activeStormsEnabled", enabled);
}

bool QOVSettingsService::isTropidexEnabled() const { return isPremiumApp() || storedBool(kTropidexEnabledKey, true); }
void QOVSettingsService::setTropidexEnabled(bool enabled) {
    setSettingsKey(kTropidexEnabledKey, "tropidexEnabled", enabled);
}

bool QOVSettingsService::isImageryEnabled() const { return isPremiumApp() || storedBool(kImageryEnabledKey, false); }
void QOVSettingsService::setImageryEnabled(bool enabled) {
    setSettingsKey(kImageryEnabledKey, "imageryEnabled", enabled);
}

void QOVSettingsService::setNationalSevereWeatherEnabled(bool enabled) {
    setSettingsKey(kNationalSevereWeatherEnabledKey, "nationalSevereWeatherEnabled", enabled);
}

bool QOVSettingsService::isHiRadEnabled() const { return isPremiumApp() || storedBool(kHiRadEnabledKey, false); }
void QOVSettingsService::setHiRadEnabled(bool enabled) { setSettingsKey(kHiRadEnabledKey, "hiRadEnabled", enabled); }

bool QOVSettingsService::isAppLocationServiceEnabled() const {
    return storedBool(kAppLocationServiceEnabledKey, false);
}
void QOVSettingsService::setAppLocationServiceEnabled(bool enabled) {
    setSettingsKey(kAppLocationServiceEnabledKey, kAppLocationServiceEnabledKey, enabled);
}

bool QOVSettingsService::isCrashLogEnabled() const { return storedBool(kCrashLogEnabledKey, false); }
void QOVSettingsService::setCrashLogEnabled(bool enabled) {
    setSettingsKey(kCrashLogEnabledKey, kCrashLogEnabledKey, enabled);
}

bool QOVSettingsService::isFutureRadarEnabled() const {
    return isPremiumApp() || storedBool(kFutureRadarEnabledKey, false);
}
void QOVSettingsService::setFutureRadarEnabled(bool enabled) {
    setSettingsKey(kFutureRadarEnabledKey, "futureRadarEnabled", enabled);
}

bool QOVSettingsService::isMarineForecastEnabled() const {
    return isPremiumApp() || storedBool(kMarineForecastEnabledKey, false);
}
void QOVSettingsService::setMarineForecastEnabled(bool enabled) {
    setSettingsKey(kMarineForecastEnabledKey, "marineForecastEnabled", enabled);
}

bool QOVSettingsService::arePushAlertsEnabled() const {
    return isPremiumApp() || storedBool(kPushAlertsEnabledKey, false);
}
void QOVSettingsService::setPushAlertsEnabled(bool enabled) {
    setSettingsKey(kPushAlertsEnabledKey, "pushAlertsEnabled", enabled);
}

bool QOVSettingsService::areAdsEnabled() const { return !isPremiumApp() && storedBool(kAdsEnabledKey, true); }
void QOVSettingsService::setAdsEnabled(bool enabled) { setSettingsKey(kAdsEnabledKey, "adsEnabled", enabled); }

// --- Remote configuration ---

void QOVSettingsService::startListeningForAppConfigurationUpdates() {
    auto cache = m_cache.lock();
    if (!cache) {
        return;
    }
    cache->startListeningForConfiguration(kCommonConfigurationId, kCommonConfigurationTimeToLive, shared_from_this());
    const std::string appId = appConfigKey();
    if (appId.empty()) {
        QOV_LOG_WARN("The bundle names no application configuration (QOVAppConfigKey); only \"{}\" is followed",
                     kCommonConfigurationId);
        return;
    }
    cache->startListeningForConfiguration(appId, kAppConfigurationTimeToLive, shared_from_this());
}

void QOVSettingsService::resetSettings() {
    if (auto cache = m_cache.lock()) {
        cache->stopListeningForConfiguration(kCommonConfigurationId, this);
        cache->stopListeningForConfiguration(appConfigKey(), this);
    }
    startListeningForAppConfigurationUpdates();
}

void QOVSettingsService::configurationChanged(const std::shared_ptr<QOVMobileAppConfig>& configuration) {
    if (!configuration) {
        return;
    }
    const QOVMobileAppConfig& config = *configuration;
    const std::string& appId = config.applicationId();
    if (appId == kCommonConfigurationId) {
        const bool killall = config.boolForAttribute("killall", "swagger");
        const bool killcompose = config.boolForAttribute("killcompose", "swagger");
        setSwaggerStatus(killall ? kSwaggerStatusAllOff : killcompose ? kSwaggerStatusComposeOff : kSwaggerStatusOn);
        return;
    }
    if (appId.empty() || appId != appConfigKey()) {
        QOV_LOG_DEBUG("Configuration \"{}\" is not one the settings follow", appId);
        return;
    }
    setSiteStatsDisabled(config.boolForAttribute("killall", "siteStats"));
    const std::optional<std::string> ios = config.stringForAttribute("ios", "latest");
    const std::optional<std::string> app = config.stringForAttribute("app", "latest");
    const bool forceUpgradeValue = config.boolForAttribute("forceupg", "latest");
    if (ios) {
        setLatestIosVersion(*ios);
    }
    if (app) {
        setLatestAppVersion(*app);
    }
    if (const std::optional<std::string> url = config.stringForAttribute("url", "inseason")) {
        setInseasonURL(*url);
    }
    if (const std::optional<std::string> icon = config.stringForAttribute("icon", "inseason")) {
        setInseasonIcon(*icon);
    }
    setForceUpgrade(forceUpgradeValue);
    setTombstoneAdRefreshActive(config.boolForAttribute("forecast", "extraads"));
    setRatePrompterEnabled(config.boolForAttribute("autorate", "diag"));
    if (const std::optional<std::string> message = config.stringForAttribute("userMessage", "diag")) {
        setUserMessage(*message);
    }
    setDaysUntilPrompt(config.intForAttribute("daysUntilPrompt", "diag"));
    setUsesUntilPrompt(config.intForAttribute("usesUntilPrompt", "diag"));
    setEventsUntilPrompt(config.intForAttribute("eventsUntilPrompt", "diag"));
}

// --- Store ---

std::filesystem::path QOVSettingsService::pathURLWithFileName(const std::string& fileName) const {
    const std::lock_guard lock(m_mutex);
    return m_cachesDirectory / fileName;
}

void QOVSettingsService::loadSettingsFromStore() {
    const std::filesystem::path file = pathURLWithFileName(storeFileName());
    platform::Dictionary settings;
    if (const std::optional<std::string> bytes = platform::AtomicFile::read(file, kMaxStoreSize)) {
        std::string problem;
        platform::PlistNode root = parseStore(*bytes, problem);
        platform::Value value = root ? platform::PropertyList::toValue(root.get()) : platform::Value();
        if (auto* dictionary = value.ifDictionary()) {
            settings = *dictionary;
        } else {
            QOV_LOG_ERROR("The settings store {} is not a property list dictionary ({}); starting with defaults",
                          file.string(), root ? "wrong root" : problem);
        }
    }
    const std::lock_guard lock(m_mutex);
    m_settings = std::move(settings);
}

bool QOVSettingsService::writeSettingsToStore() {
    // Held over the write, so a later change never lands on disk before an earlier one.
    const std::lock_guard lock(m_mutex);
    const std::filesystem::path file = pathURLWithFileName(storeFileName());
    platform::PlistNode root = platform::PropertyList::fromValue(m_settings);
    const std::optional<std::string> text = root ? platform::PropertyList::xmlText(root.get()) : std::nullopt;
    if (!text) {
        QOV_LOG_ERROR("The settings could not be written as a property list");
        return false;
    }
    if (const std::error_code error = platform::PrivateFolder::ensurePath(file.parent_path())) {
        QOV_LOG_ERROR("The folder of the settings store {} could not be made: {}", file.string(), error.message());
    }
    if (!platform::AtomicFile::write(file, *text)) {
        QOV_LOG_ERROR("The settings store {} could not be written; the settings in memory stay in force",
                      file.string());
        return false;
    }
    return true;
}

// --- Versions ---

std::uint64_t QOVSettingsService::versionStringAsNumber(const std::optional<std::string>& version) {
    if (!version) {
        return 0;
    }
    std::string digits;
    for (char c : *version) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    const std::int64_t value = platform::longFromText(digits);
    if (value <= 0) {
        return 0;
    }
    const auto number = static_cast<std::uint64_t>(value);
    return number > 99 ? number : number * 10;
}

int QOVSettingsService::compareVersions(std::string_view lhs, std::string_view rhs) {
    auto next = [](std::string_view& text) {
        const std::size_t dot = text.find('.');
        const std::int64_t component = platform::longFromText(text.substr(0, dot));
        text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
        return component;
    };
    while (!lhs.empty() || !rhs.empty()) {
        const std::int64_t left = next(lhs);
        const std::int64_t right = next(rhs);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    return 0;
}

}  // namespace qov
