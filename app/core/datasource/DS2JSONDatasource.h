#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/datasource/QOVDatasouce.h"

namespace platform::net {
class HttpRequest;
}

namespace qov {

class ApplicationCache;
class QOVLocation;

// The data-service client: builds each request's URL, runs it on the client's queue, gives the answer to the
// model factory and stores the result in the application cache (locations, configurations, point-of-interest
// lists) or answers the caller (searches, storms, tweets, the news feed). Always owned by std::shared_ptr.
//
// Hosts and the API key come from the main bundle's information list ("QOVDataServiceHost",
// "QOVDataServiceTestHost", "DS2APIKey"); the runner and tests aim a client at the stand-in service with
// setDataServiceHosts(). Every value inserted into a URL is percent-encoded (a location identifier keeps its
// colon); logged URLs have their "key" redacted.
//
// Cached weather is never lost to a poor answer: when the aggregate yields no location, the location-only answer
// is stored only over no record or one without weather, and then of unknown age (stale, so it is asked for
// again); when the marine step yields nothing, the aggregate is stored with the beach and boat forecast cached for
// the place.
//
// Answers arrive on the main thread. An HTTP status outside 200-299 counts as a failed request: error pages are
// not data. A cancelled request is not a failure: it reports nothing, except that the searches that answer nil
// on failure (postal code, coordinates, storms, news) answer nil, so their callers never wait for ever.
class DS2JSONDatasource : public QOVDatasouce, public std::enable_shared_from_this<DS2JSONDatasource> {
public:
    // Where the client stores what it fetched; by default ApplicationCacheFactory's cache.
    using CacheProvider = std::function<std::shared_ptr<ApplicationCache>()>;

    // User-information keys of this client's own requests.
    static constexpr const char* kLocationKey = "kDS2JSONDatasourceLocationKey";
    static constexpr const char* kConfigurationApplicationIdKey = "kDS2JSONDatasourceApplicationId";
    static constexpr const char* kTimeToLiveKey = "kDS2JSONDatasourceTimeToLiveKey";

    static constexpr const char* kHostInfoKey = "QOVDataServiceHost";
    static constexpr const char* kTestHostInfoKey = "QOVDataServiceTestHost";
    static constexpr const char* kAPIKeyInfoKey = "DS2APIKey";

    static constexpr double kDefaultTimeToLive = 3600.0;
    static constexpr unsigned kTweetListSize = 25;

    // Reads the hosts and the API key from the main bundle.
    DS2JSONDatasource();

    // Host names with an optional port ("127.0.0.1:8080"), production and test.
    void setDataServiceHosts(std::string productionHost, std::string testHost);
    // The host requests go to now (the test host in test mode).
    std::string dataServiceHost() const;

    void setCacheProvider(CacheProvider provider);

    // How long a request may go without moving a byte before it fails (the request library's default until set).
    void setTimeOutSeconds(double seconds);

    // Also sets this client's logging: debug lines (URLs, answers) in test mode, errors only otherwise.
    void setTestMode(bool testMode) override;

    // "http://HOST" + command + "?locale=LOCALE&key=KEY"; the command begins with "/".
    std::string constructDS2URLWithCommand(std::string_view command) const;

    // Does nothing for an identity of type 0 or while a request for the identifier is unfinished.
    void requestLocation(const QOVLocationIdentity& identity) override;
    void requestLocationDataOnly(const std::string& identifier) override;
    // A time to live that is not a positive number is not sent along, so the answer gets the default.
    void requestConfigurationForApplicationId(const std::string& applicationId, double timeToLive) override;
    // Answers the location or nil; with alternateSearch, a list of the one location (or nil).
    void requestLocationForZip(const std::string& zip, Callback callback, bool alternateSearch) override;
    // Answers the location, or nil when none came back (a failed request, an answer without a location), so a
    // position lookup always hears an end.
    void requestLocationForCoordinates(const LocationCoordinate& coordinate, Callback callback) override;
    // A text of two characters or fewer answers nil at once and sends nothing. Otherwise answers the list of
    // matches; when there is none and the text is five ASCII digits, a postal-code search with alternateSearch
    // answers once more.
    void requestTypeAheadWithSearchString(const std::string& searchString, unsigned numberOfResults,
                                          Callback callback) override;
    // A non-empty list is stored with the caller's user information; nobody is answered here.
    void requestPointsOfInterestForType(std::int32_t type, const std::string& quadKey,
                                        platform::Dictionary userInfo) override;
    // Answers a TropicalStormCacheContainer (its dataReceiveError set when the answer held no storms), or nil.
    void currentTropicalStormDataWithCallbackObject(Callback callback) override;
    // Answer a list of tweets; nothing on failure.
    void requestTweetsByDMA(const std::string& dma, Callback callback,
                            const std::optional<std::string>& startingTweetId) override;
    void requestTweetsByLocation(const QOVLocationIdentity& identity, Callback callback,
                                 const std::optional<std::string>& startingTweetId) override;
    // Answers the feed's raw bytes (nil on failure); nothing when the answer is empty.
    void requestRSSNewsFeedWithCallbackObject(Callback callback) override;
    // A form POST of "tweetid", "uuid" (the install identifier) and "key"; nobody is answered.
    void flagTweet(const std::string& tweetId) override;

    // Also cancel the marine follow-up of the location(s), so a removed location is not stored again.
    void cancelRequestForLocation(const QOVLocationIdentity& identity) override;
    void cancelRequestsForAllLocations() override;

private:
    using Request = platform::net::HttpRequest;
    using Handler = std::function<void(DS2JSONDatasource&, Request&)>;

    std::string hostUrl() const;
    double timeOutSeconds() const;
    void enqueue(std::string url, platform::Dictionary userInfo, Handler onFinished, Handler onFailed);
    void requestTweetListUsingIdentifier(const std::string& encodedIdentifier, Callback callback,
                                         const std::string& command, const std::optional<std::string>& startingTweetId);
    void retrieveMarineDataForLocation(const std::shared_ptr<QOVLocation>& location);
    void storeLocation(const std::shared_ptr<QOVLocation>& location);
    void storeWithCachedMarineForecast(const std::shared_ptr<QOVLocation>& location);
    std::shared_ptr<ApplicationCache> cache() const;

    void requestForLocationFinished(Request& request);
    void requestForLocationDataOnlyFinished(Request& request);
    void requestForMarineDataFinished(Request& request);
    void requestForConfigurationFinished(Request& request);
    void requestForLocationByZipFinished(Request& request, const Callback& callback);
    void requestForLocationByCoordinateFinished(Request& request, const Callback& callback);
    void requestForTypeAheadFinished(Request& request, const Callback& callback);
    void requestForPointsOfInterestFinished(Request& request);
    void currentTropicalStormDataFinished(Request& request, const Callback& callback);
    void requestForTweetListFinished(Request& request, const Callback& callback);
    void newsFeedRequestFinished(Request& request, const Callback& callback);

    void locationUpdateRequestFailed(Request& request);
    void marineDataFailed(Request& request);
    void genericRequestFailed(Request& request);
    void genericRequestFailedForReturn(Request& request, const Callback& callback);
    // Logs the failure unless the request was cancelled; answers whether it was a real failure.
    bool logFailure(const Request& request) const;
    // Whether the answer holds the place the request asked for; an answer for another place is a bad answer
    // (logged), never stored over that place's record.
    bool isForRequestedPlace(const Request& request, const QOVLocation& location) const;
    void fireNetworkError();

    const std::string m_apiKey;
    mutable std::mutex m_mutex;
    std::string m_productionHost;
    std::string m_testHost;
    CacheProvider m_cacheProvider;
    double m_timeOutSeconds;
};

}  // namespace qov
