#include "app/core/datasource/DS2JSONDatasource.h"

#include <limits>
#include <utility>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/categories/NSLocaleQOV.h"
#include "app/core/datasource/DatasourceURL.h"
#include "app/core/error/QOVError.h"
#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVPointOfInterest.h"
#include "app/core/model/QOVTweet.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "app/core/model/TropicalStormCacheContainer.h"
#include "app/core/services/QOVMetricsService.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/net/HttpRequest.h"
#include "platform/storage/Bundle.h"

// Until test mode is first set; then 31 in test mode and 3 otherwise.
QOV_LOG_LEVEL(15)

namespace qov {

namespace {

constexpr const char* kNetworkErrorTextKey = "error.network.connectionfailed";

std::string infoText(const char* key) {
    std::string text = platform::Bundle::main().objectForInfoDictionaryKey(key).stringValue();
    if (text.empty()) {
        QOV_LOG_ERROR("The information list has no text under \"{}\"", key);
    }
    return text;
}

// The number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

bool isFiveDigitNumber(std::string_view text) {
    if (text.size() != 5) {
        return false;
    }
    for (const char character : text) {
        if (character < '0' || character > '9') {
            return false;
        }
    }
    return true;
}

std::string textForKey(const platform::Dictionary& userInfo, std::string_view key) {
    const platform::Value* value = platform::valueForKey(userInfo, key);
    return value ? value->stringValue() : std::string();
}

// A record that carries weather, as opposed to the bare place of the location-only answer.
bool hasWeather(const QOVLocation& location) {
    const auto filled = [](const auto& list) { return list && !list->empty(); };
    return location.currentConditions() || filled(location.hourlyForecasts()) ||
           filled(location.hiRadHourlyForecasts()) || filled(location.dailyForecasts()) ||
           filled(location.narrativeForecasts());
}

template <typename T>
platform::Value listValue(const std::vector<std::shared_ptr<T>>& list) {
    platform::Array array;
    array.reserve(list.size());
    for (const auto& element : list) {
        array.emplace_back(element);
    }
    return platform::Value(std::move(array));
}

}  // namespace

DS2JSONDatasource::DS2JSONDatasource()
    : m_apiKey(infoText(kAPIKeyInfoKey)),
      m_productionHost(infoText(kHostInfoKey)),
      m_testHost(infoText(kTestHostInfoKey)),
      m_cacheProvider([] { return ApplicationCacheFactory::sharedInstance().cache(); }),
      m_timeOutSeconds(Request::kDefaultTimeOutSeconds) {}

void DS2JSONDatasource::setDataServiceHosts(std::string productionHost, std::string testHost) {
    const std::lock_guard lock(m_mutex);
    m_productionHost = std::move(productionHost);
    m_testHost = std::move(testHost);
}

std::string DS2JSONDatasource::dataServiceHost() const {
    const std::lock_guard lock(m_mutex);
    return isInTestMode() ? m_testHost : m_productionHost;
}

void DS2JSONDatasource::setCacheProvider(CacheProvider provider) {
    const std::lock_guard lock(m_mutex);
    m_cacheProvider = std::move(provider);
}

void DS2JSONDatasource::setTimeOutSeconds(double seconds) {
    const std::lock_guard lock(m_mutex);
    m_timeOutSeconds = seconds;
}

double DS2JSONDatasource::timeOutSeconds() const {
    const std::lock_guard lock(m_mutex);
    return m_timeOutSeconds;
}

void DS2JSONDatasource::setTestMode(bool testMode) {
    QOVDatasouce::setTestMode(testMode);
    qovFileLogLevel.setMask(testMode ? 31 : 3);
}

std::string DS2JSONDatasource::hostUrl() const { return "http://" + dataServiceHost(); }

std::string DS2JSONDatasource::constructDS2URLWithCommand(std::string_view command) const {
    std::string url = hostUrl() + std::string(command) +
                      "?locale=" + DatasourceURL::encodeComponent(NSLocaleQOV::simpleLocaleIdentifier()) +
                      "&key=" + DatasourceURL::encodeComponent(m_apiKey);
    QOV_LOG_DEBUG("DS2 URL is: {}", DatasourceURL::redactedForLog(url));
    return url;
}

// --- Requests ---

void DS2JSONDatasource::enqueue(std::string url, platform::Dictionary userInfo, Handler onFinished, Handler onFailed) {
    auto request = std::make_shared<Request>(std::move(url), std::move(userInfo));
    request->setTimeOutSeconds(timeOutSeconds());
    const auto self = shared_from_this();
    request->setOnFinished(
        platform::bindWeak(self, [onFinished, onFailed](DS2JSONDatasource& client, Request& finished) {
            const int status = finished.responseStatusCode();
            if (status >= 200 && status < 300) {
                onFinished(client, finished);
            } else {
                onFailed(client, finished);
            }
        }));
    request->setOnFailed(platform::bindWeak(self, std::move(onFailed)));
    queue().addOperation(std::move(request));
}

void DS2JSONDatasource::requestLocation(const QOVLocationIdentity& identity) {
    if (identity.type() == 0 || !okToRequestLocation(identity)) {
        return;
    }
    const std::string identifier = identity.identifierAsString();
    enqueue(constructDS2URLWithCommand("/wxdata/mobile/mobagg/" + DatasourceURL::encodeLocationIdentifier(identifier) +
                                       ".js"),
            {{kLocationIdKey, identifier}}, &DS2JSONDatasource::requestForLocationFinished,
            &DS2JSONDatasource::locationUpdateRequestFailed);
}

void DS2JSONDatasource::requestLocationDataOnly(const std::string& identifier) {
    enqueue(constructDS2URLWithCommand("/wxdata/loc/" + DatasourceURL::encodeLocationIdentifier(identifier) + ".js"),
            {{kLocationIdKey, identifier}}, &DS2JSONDatasource::requestForLocationDataOnlyFinished,
            &DS2JSONDatasource::genericRequestFailed);
}

void DS2JSONDatasource::retrieveMarineDataForLocation(const std::shared_ptr<QOVLocation>& location) {
    if (!location->loadMarineData()) {
        storeLocation(location);
        return;
    }
    const std::string identifier = location->identifierAsString();
    enqueue(constructDS2URLWithCommand("/wxdata/marine/" + DatasourceURL::encodeLocationIdentifier(identifier) + ".js"),
            {{kLocationKey, platform::Value(location)}}, &DS2JSONDatasource::requestForMarineDataFinished,
            &DS2JSONDatasource::marineDataFailed);
}

void DS2JSONDatasource::requestConfigurationForApplicationId(const std::string& applicationId, double timeToLive) {
    platform::Dictionary userInfo{{kConfigurationApplicationIdKey, applicationId}, {kApplicationIdKey, applicationId}};
    if (timeToLive > 0.0 && timeToLive <= std::numeric_limits<double>::max()) {
        userInfo[kTimeToLiveKey] = timeToLive;
    }
    enqueue(constructDS2URLWithCommand("/wxdata/mobile/configuration/" + DatasourceURL::encodeComponent(applicationId) +
                                       ".js"),
            std::move(userInfo), &DS2JSONDatasource::requestForConfigurationFinished,
            &DS2JSONDatasource::genericRequestFailed);
}

void DS2JSONDatasource::requestLocationForZip(const std::string& zip, Callback callback, bool alternateSearch) {
    std::string url = hostUrl() + "/wxdata/loc/" + DatasourceURL::encodeComponent(zip) +
                      ":4.js?key=" + DatasourceURL::encodeComponent(m_apiKey);
    QOV_LOG_DEBUG("url being requested (zip/location search): {}", DatasourceURL::redactedForLog(url));
    enqueue(
        std::move(url),
        {{kTargetKey, true},
         {kSelectorKey, "requestLocationForZip"},
         {kZipSearchCodeKey, zip},
         {kAlternateSearchKey, alternateSearch}},
        [callback](DS2JSONDatasource& client, Request& request) {
            client.requestForLocationByZipFinished(request, callback);
        },
        [callback](DS2JSONDatasource& client, Request& request) {
            client.genericRequestFailedForReturn(request, callback);
        });
}

void DS2JSONDatasource::requestLocationForCoordinates(const LocationCoordinate& coordinate, Callback callback) {
    std::string url =
        hostUrl() +
        fmt::format("/wxdata/loc/get.js?lat={:f}&lng={:f}&key=", coordinate.latitude, coordinate.longitude) +
        DatasourceURL::encodeComponent(m_apiKey);
    QOV_LOG_DEBUG("url being requested (coordinate search): {}", DatasourceURL::redactedForLog(url));
    enqueue(
        std::move(url), {{kTargetKey, true}, {kSelectorKey, "requestLocationForCoordinates"}},
        [callback](DS2JSONDatasource& client, Request& request) {
            client.requestForLocationByCoordinateFinished(request, callback);
        },
        [callback](DS2JSONDatasource& client, Request& request) {
            client.genericRequestFailedForReturn(request, callback);
        });
}

void DS2JSONDatasource::requestTypeAheadWithSearchString(const std::string& searchString, unsigned numberOfResults,
                                                         Callback callback) {
    if (characterCount(searchString) <= 2) {
        if (callback) {
            callback(platform::Value());
        }
        return;
    }
    std::string url = hostUrl() + "/wxdata/ta/" + DatasourceURL::encodeComponent(searchString) +
                      ".js?max=" + std::to_string(numberOfResults) +
                      "&locType=4,1&key=" + DatasourceURL::encodeComponent(m_apiKey);
    QOV_LOG_DEBUG("url being requested (type-ahead): {}", DatasourceURL::redactedForLog(url));
    enqueue(
        std::move(url),
        {{kTypeAheadSearchStringKey, searchString},
         {kTargetKey, true},
         {kSelectorKey, "requestTypeAheadWithSearchString"}},
        [callback](DS2JSONDatasource& client, Request& request) {
            client.requestForTypeAheadFinished(request, callback);
        },
        &DS2JSONDatasource::genericRequestFailed);
}

void DS2JSONDatasource::requestPointsOfInterestForType(std::int32_t type, const std::string& quadKey,
                                                       platform::Dictionary userInfo) {
    std::string url = hostUrl() + "/wxdata/wxdata/bytile/get.js?what=" + std::to_string(type) +
                      "&where=" + DatasourceURL::encodeComponent(quadKey) +
                      "&key=" + DatasourceURL::encodeComponent(m_apiKey);
    // Always written, whatever the level.
    const std::string logged = DatasourceURL::redactedForLog(url);
    platform::Log::write(platform::kLogFlagInfo, __FILE__, __func__, __LINE__,
                         fmt::format("url being requested (POI): <A href=\"{}\">{}</a><br />", logged, quadKey));
    enqueue(std::move(url), std::move(userInfo), &DS2JSONDatasource::requestForPointsOfInterestFinished,
            &DS2JSONDatasource::genericRequestFailed);
}

void DS2JSONDatasource::currentTropicalStormDataWithCallbackObject(Callback callback) {
    enqueue(
        hostUrl() + "/wxdata/currtrop/get.js?key=" + DatasourceURL::encodeComponent(m_apiKey),
        {{kTargetKey, true}, {kSelectorKey, "currentTropicalStormDataWithCallbackObject"}},
        [callback](DS2JSONDatasource& client, Request& request) {
            client.currentTropicalStormDataFinished(request, callback);
        },
        [callback](DS2JSONDatasource& client, Request& request) {
            client.genericRequestFailedForReturn(request, callback);
        });
}

void DS2JSONDatasource::requestTweetsByDMA(const std::string& dma, Callback callback,
                                           const std::optional<std::string>& startingTweetId) {
    requestTweetListUsingIdentifier(DatasourceURL::encodeComponent(dma), std::move(callback), "tweets_dma",
                                    startingTweetId);
}

void DS2JSONDatasource::requestTweetsByLocation(const QOVLocationIdentity& identity, Callback callback,
                                                const std::optional<std::string>& startingTweetId) {
    requestTweetListUsingIdentifier(DatasourceURL::encodeLocationIdentifier(identity.identifierAsString()),
                                    std::move(callback), "tweets_loc", startingTweetId);
}

void DS2JSONDatasource::requestTweetListUsingIdentifier(const std::string& encodedIdentifier, Callback callback,
                                                        const std::string& command,
                                                        const std::optional<std::string>& startingTweetId) {
    std::string url =
        hostUrl() + "/wxdata/" + command + "/" + encodedIdentifier + ".js?numTweets=" + std::to_string(kTweetListSize);
    if (startingTweetId) {
        url += "&tweetId=" + DatasourceURL::encodeComponent(*startingTweetId);
    }
    url += "&key=" + DatasourceURL::encodeComponent(m_apiKey);
    QOV_LOG_DEBUG("url being requested (tweets list): {}", DatasourceURL::redactedForLog(url));
    enqueue(
        std::move(url), {{kTargetKey, true}, {kSelectorKey, "requestTweetListUsingIdentifier"}},
        [callback](DS2JSONDatasource& client, Request& request) {
            client.requestForTweetListFinished(request, callback);
        },
        &DS2JSONDatasource::genericRequestFailed);
}

void DS2JSONDatasource::requestRSSNewsFeedWithCallbackObject(Callback callback) {
    std::string url = hostUrl() + "/wxdata/articles/get.xml?key=" + DatasourceURL::encodeComponent(m_apiKey);
    QOV_LOG_DEBUG("url being requested (rss feed): {}", DatasourceURL::redactedForLog(url));
    enqueue(
        std::move(url), {{kTargetKey, true}, {kSelectorKey, "requestRSSNewsFeedWithCallbackObject"}},
        [callback](DS2JSONDatasource& client, Request& request) { client.newsFeedRequestFinished(request, callback); },
        [callback](DS2JSONDatasource& client, Request& request) {
            client.genericRequestFailedForReturn(request, callback);
        });
}

void DS2JSONDatasource::flagTweet(const std::string& tweetId) {
    auto request = std::make_shared<Request>(hostUrl() + "/wxdata/tweet_flag/get.js");
    request->setTimeOutSeconds(timeOutSeconds());
    request->addPostValue("tweetid", tweetId);
    request->addPostValue("uuid", QOVMetricsService::sharedInstance()->guid());
    request->addPostValue("key", m_apiKey);
    queue().addOperation(std::move(request));
}

void DS2JSONDatasource::cancelRequestForLocation(const QOVLocationIdentity& identity) {
    QOVDatasouce::cancelRequestForLocation(identity);
    const std::string identifier = identity.identifierAsString();
    for (const auto& operation : queue().operations()) {
        const platform::Value* value = platform::valueForKey(operation->userInfo(), kLocationKey);
        const auto location = value ? value->object<QOVLocation>() : nullptr;
        if (location && location->identifierAsString() == identifier) {
            operation->cancel();
        }
    }
}

void DS2JSONDatasource::cancelRequestsForAllLocations() {
    QOVDatasouce::cancelRequestsForAllLocations();
    cancelRequestsContainingKey(kLocationKey);
}

// --- Storing ---

std::shared_ptr<ApplicationCache> DS2JSONDatasource::cache() const {
    CacheProvider provider;
    {
        const std::lock_guard lock(m_mutex);
        provider = m_cacheProvider;
    }
    return provider ? provider() : nullptr;
}

void DS2JSONDatasource::storeLocation(const std::shared_ptr<QOVLocation>& location) {
    if (const auto target = cache()) {
        target->storeLocation(location);
    }
}

// --- Answers ---

void DS2JSONDatasource::requestForLocationFinished(Request& request) {
    const std::string response = request.responseString();
    QOV_LOG_VERBOSE("Response from Call: {} is {}", DatasourceURL::redactedForLog(request.url()), response);
    const auto location = QOVModelFactory::sharedInstance()->modelUsingJSON(response);
    if (!location) {
        requestLocationDataOnly(textForKey(request.userInfo(), kLocationIdKey));
        return;
    }
    if (!isForRequestedPlace(request, *location)) {
        fireNetworkError();
        return;
    }
    retrieveMarineDataForLocation(location);
}

void DS2JSONDatasource::requestForLocationDataOnlyFinished(Request& request) {
    const std::string response = request.responseString();
    QOV_LOG_VERBOSE("Response from Call: {} is {}", DatasourceURL::redactedForLog(request.url()), response);
    const auto location = QOVModelFactory::sharedInstance()->singleLocationFromJSON(response);
    if (!location) {
        return;
    }
    if (!isForRequestedPlace(request, *location)) {
        fireNetworkError();
        return;
    }
    // The bare place never replaces cached weather: that record stays as it is, keeps its age (so the next
    // validation pass asks again) and its listeners hear nothing. Over no weather it is stored of unknown age: it
    // names the place without passing for fresh weather, so every reader (the next run too) asks again.
    const auto target = cache();
    const auto cached = target ? target->cachedLocation(*location) : nullptr;
    if (cached && hasWeather(*cached)) {
        QOV_LOG_INFO("kept the cached weather of {}: the answer holds no weather", location->identifierAsString());
        return;
    }
    location->forgetCreationDate();
    storeLocation(location);
}

void DS2JSONDatasource::requestForMarineDataFinished(Request& request) {
    const platform::Value* value = platform::valueForKey(request.userInfo(), kLocationKey);
    const auto location = value ? value->object<QOVLocation>() : nullptr;
    if (!location) {
        return;
    }
    const std::string response = request.responseString();
    QOV_LOG_VERBOSE("Response from Call: {} is {}", DatasourceURL::redactedForLog(request.url()), response);
    if (auto forecast = QOVModelFactory::sharedInstance()->beachAndBoatForecastFromJSON(response)) {
        location->setBeachAndBoatForecast(std::move(forecast));
        storeLocation(location);
    } else {
        storeWithCachedMarineForecast(location);
    }
}

// The fresh aggregate without a marine answer: stored with the beach and boat forecast cached for the place, so
// neither the new weather nor the old marine forecast is lost.
void DS2JSONDatasource::storeWithCachedMarineForecast(const std::shared_ptr<QOVLocation>& location) {
    const auto target = cache();
    if (!target) {
        return;
    }
    if (const auto cached = target->cachedLocation(*location); cached && cached->beachAndBoatForecast()) {
        location->setBeachAndBoatForecast(cached->beachAndBoatForecast());
    }
    target->storeLocation(location);
}

void DS2JSONDatasource::requestForConfigurationFinished(Request& request) {
    const std::string applicationId = textForKey(request.userInfo(), kConfigurationApplicationIdKey);
    const platform::Value* storedTimeToLive = platform::valueForKey(request.userInfo(), kTimeToLiveKey);
    const double timeToLive =
        storedTimeToLive && storedTimeToLive->ifDouble() ? *storedTimeToLive->ifDouble() : kDefaultTimeToLive;
    const std::string response = request.responseString();
    QOV_LOG_DEBUG("configuration received from ds2: appId:{} url:{} response:{}", applicationId,
                  DatasourceURL::redactedForLog(request.url()), response);
    auto configuration = QOVModelFactory::sharedInstance()->configurationUsingJSON(response, applicationId, timeToLive);
    if (!configuration) {
        return;
    }
    if (const auto target = cache()) {
        target->storeConfiguration(configuration);
    }
}

void DS2JSONDatasource::requestForLocationByZipFinished(Request& request, const Callback& callback) {
    const std::string response = request.responseString();
    QOV_LOG_DEBUG("response (zip/location search) is: {}", response);
    const auto location = QOVModelFactory::sharedInstance()->singleLocationFromJSON(response);
    const platform::Value* alternate = platform::valueForKey(request.userInfo(), kAlternateSearchKey);
    if (!callback) {
        return;
    }
    if (location && alternate && alternate->boolValue()) {
        callback(platform::Value(platform::Array{platform::Value(location)}));
    } else {
        callback(platform::Value(location));
    }
}

void DS2JSONDatasource::requestForLocationByCoordinateFinished(Request& request, const Callback& callback) {
    const std::string response = request.responseString();
    QOV_LOG_DEBUG("response (coordinate search) is: {}", response);
    const auto location = QOVModelFactory::sharedInstance()->singleLocationFromJSON(response);
    if (callback) {
        callback(platform::Value(location));
    }
}

void DS2JSONDatasource::requestForTypeAheadFinished(Request& request, const Callback& callback) {
    const auto locations = QOVModelFactory::sharedInstance()->typeAheadLocationsUsingJSON(request.responseString());
    const std::string searchString = textForKey(request.userInfo(), kTypeAheadSearchStringKey);
    if (locations.empty() && isFiveDigitNumber(searchString)) {
        requestLocationForZip(searchString, callback, true);
    }
    if (callback) {
        callback(listValue(locations));
    }
}

void DS2JSONDatasource::requestForPointsOfInterestFinished(Request& request) {
    const auto points = QOVModelFactory::sharedInstance()->pointOfInterestUsingJSON(request.responseString());
    if (points.empty()) {
        return;
    }
    if (const auto target = cache()) {
        target->storePOIList(points, request.userInfo());
    }
}

void DS2JSONDatasource::currentTropicalStormDataFinished(Request& request, const Callback& callback) {
    auto container = std::make_shared<TropicalStormCacheContainer>();
    if (auto storms = QOVModelFactory::sharedInstance()->tropicalStormDataUsingJSON(request.responseString())) {
        container->setActiveStormData(std::move(storms));
    } else {
        container->setDataReceiveError(true);
    }
    if (callback) {
        callback(platform::Value(std::move(container)));
    }
}

void DS2JSONDatasource::requestForTweetListFinished(Request& request, const Callback& callback) {
    const auto tweets = QOVModelFactory::sharedInstance()->tweetsUsingJSON(request.responseString());
    if (callback) {
        callback(tweets ? listValue(*tweets) : platform::Value());
    }
}

void DS2JSONDatasource::newsFeedRequestFinished(Request& request, const Callback& callback) {
    if (request.responseData().empty() || !callback) {
        return;
    }
    callback(platform::Value(request.responseData()));
}

// --- Failures ---

bool DS2JSONDatasource::logFailure(const Request& request) const {
    const auto& error = request.error();
    if (error && error->isCancelled()) {
        QOV_LOG_DEBUG("Request to {} was cancelled", DatasourceURL::redactedForLog(request.url()));
        return false;
    }
    const std::string reason =
        error ? error->description() : fmt::format("HTTP status {}", request.responseStatusCode());
    QOV_LOG_ERROR("Error making network request to {}, Error: {}", DatasourceURL::redactedForLog(request.url()),
                  reason);
    return true;
}

bool DS2JSONDatasource::isForRequestedPlace(const Request& request, const QOVLocation& location) const {
    const std::string requested = textForKey(request.userInfo(), kLocationIdKey);
    if (location.identifierAsString() == requested) {
        return true;
    }
    QOV_LOG_ERROR("Refused the answer from {}: it holds the place {}, not the requested {}",
                  DatasourceURL::redactedForLog(request.url()), location.identifierAsString(), requested);
    return false;
}

void DS2JSONDatasource::fireNetworkError() {
    QOVError::fireErrorWithCategory(0, 1, platform::Bundle::main().localizedString(kNetworkErrorTextKey),
                                    shared_from_this());
}

void DS2JSONDatasource::locationUpdateRequestFailed(Request& request) {
    if (logFailure(request)) {
        fireNetworkError();
    }
}

void DS2JSONDatasource::marineDataFailed(Request& request) {
    if (!logFailure(request)) {
        return;
    }
    fireNetworkError();
    const platform::Value* value = platform::valueForKey(request.userInfo(), kLocationKey);
    if (const auto location = value ? value->object<QOVLocation>() : nullptr) {
        storeWithCachedMarineForecast(location);
    }
}

void DS2JSONDatasource::genericRequestFailed(Request& request) { logFailure(request); }

void DS2JSONDatasource::genericRequestFailedForReturn(Request& request, const Callback& callback) {
    logFailure(request);
    if (callback) {
        callback(platform::Value());
    }
}

}  // namespace qov
