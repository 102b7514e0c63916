#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/model/LocationCoordinate.h"
#include "platform/base/Object.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/Value.h"

namespace qov {

class QOVLocationIdentity;

// The client of the weather data service, as every caller sees it: the request operations (abstract here; the
// one implementation is DS2JSONDatasource) and the duplicate tests and cancels over its own operation queue.
//
// Requests carry a user-information dictionary under the keys below, by which the client finds, de-duplicates
// and cancels them. A caller that wants an answer passes a Callback, called once on the main thread with one
// value: null ("nil"), an object, a list of objects or raw bytes. Callers bind it to themselves with
// platform::bindWeak, so an answer for a caller that is gone does nothing. The callback travels with the
// request; its user information records that one is attached ("kQOVDatasourceTargetKey" holds true) and which
// operation made the request ("kQOVDatasourceSelectorKey", e.g. "requestTypeAheadWithSearchString"), so
// cancelRequestsContainingKey(kTargetKey) cancels every request that would answer a caller.
class QOVDatasouce : public platform::Object {
public:
    using Callback = std::function<void(const platform::Value& result)>;

    static constexpr const char* kLocationIdKey = "kQOVDatasourceLocationIdKey";
    static constexpr const char* kTargetKey = "kQOVDatasourceTargetKey";
    static constexpr const char* kSelectorKey = "kQOVDatasourceSelectorKey";
    static constexpr const char* kZipSearchCodeKey = "kQOVDatasourceZipSearchCodeKey";
    static constexpr const char* kAlternateSearchKey = "alternateSearchKey";
    static constexpr const char* kTypeAheadSearchStringKey = "kQOVDatasourceTypeAheadSearchStringKey";
    // The application id of a configuration request (which also carries it under its own key).
    static constexpr const char* kApplicationIdKey = "kQOVDatasourceApplicationIdKey";

    // The queue lets the platform choose its width.
    QOVDatasouce();
    // Cancels every request; answers not yet delivered are dropped.
    ~QOVDatasouce() override;
    QOVDatasouce(const QOVDatasouce&) = delete;
    QOVDatasouce& operator=(const QOVDatasouce&) = delete;

    platform::OperationQueue& queue() { return m_queue; }

    // Test mode sends later requests to the data service's test host.
    bool isInTestMode() const { return m_testMode; }
    virtual void setTestMode(bool testMode) { m_testMode = testMode; }

    // Requests. Each raises the abstract-class exception here.
    virtual void requestLocation(const QOVLocationIdentity& identity);
    virtual void requestLocationDataOnly(const std::string& identifier);
    virtual void requestConfigurationForApplicationId(const std::string& applicationId, double timeToLive);
    virtual void requestLocationForZip(const std::string& zip, Callback callback, bool alternateSearch);
    virtual void requestLocationForCoordinates(const LocationCoordinate& coordinate, Callback callback);
    virtual void requestTypeAheadWithSearchString(const std::string& searchString, unsigned numberOfResults,
                                                  Callback callback);
    virtual void requestPointsOfInterestForType(std::int32_t type, const std::string& quadKey,
                                                platform::Dictionary userInfo);
    virtual void currentTropicalStormDataWithCallbackObject(Callback callback);
    virtual void requestTweetsByDMA(const std::string& dma, Callback callback,
                                    const std::optional<std::string>& startingTweetId);
    virtual void requestTweetsByLocation(const QOVLocationIdentity& identity, Callback callback,
                                         const std::optional<std::string>& startingTweetId);
    virtual void requestRSSNewsFeedWithCallbackObject(Callback callback);
    virtual void flagTweet(const std::string& tweetId);

    // Any thread. False while an unfinished request (cancelled ones included) holds identifier under key.
    bool okToRequestIdentifier(std::string_view identifier, std::string_view key) const;
    bool okToRequestLocation(const QOVLocationIdentity& identity) const;
    bool okToRequestConfiguration(std::string_view applicationId) const;

    // Any thread. Cancelling is not a failure: a cancelled request reports no error; callers of the searches
    // that answer nil on failure get nil, other callers hear nothing.
    void cancelRequestForKey(std::string_view key, std::string_view identifier);
    void cancelRequestsContainingKey(std::string_view key);
    virtual void cancelRequestForLocation(const QOVLocationIdentity& identity);
    virtual void cancelRequestsForAllLocations();
    void cancelRequestForConfiguration(std::string_view applicationId);
    void cancelRequestsForAllConfigurations();
    void cancelAllRequests();

private:
    [[noreturn]] void raiseAbstract(const char* selector) const;

    platform::OperationQueue m_queue;
    std::atomic<bool> m_testMode = false;
};

}  // namespace qov
