#include "app/core/datasource/QOVDatasouce.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Exception.h"

namespace qov {

namespace {

bool holdsText(const platform::Operation& operation, std::string_view key, std::string_view text) {
    const platform::Value* value = platform::valueForKey(operation.userInfo(), key);
    const std::string* stored = value ? value->ifString() : nullptr;
    return stored && *stored == text;
}

bool holdsKey(const platform::Operation& operation, std::string_view key) {
    return platform::valueForKey(operation.userInfo(), key) != nullptr;
}

}  // namespace

QOVDatasouce::QOVDatasouce() : m_queue(platform::OperationQueue::kDefaultMaxConcurrentOperationCount) {}

QOVDatasouce::~QOVDatasouce() { m_queue.cancelAllOperations(); }

void QOVDatasouce::raiseAbstract(const char* selector) const {
    platform::Exception::raiseAbstractClass(className(), selector);
}

void QOVDatasouce::requestLocation(const QOVLocationIdentity&) { raiseAbstract("requestLocation:"); }

void QOVDatasouce::requestLocationDataOnly(const std::string&) { raiseAbstract("requestLocationDataOnly:"); }

void QOVDatasouce::requestConfigurationForApplicationId(const std::string&, double) {
    raiseAbstract("requestConfigurationForApplicationId:timeToLive:");
}

void QOVDatasouce::requestLocationForZip(const std::string&, Callback, bool) {
    raiseAbstract("requestLocationForZip:callbackObject:callbackSelector:alternateSearch:");
}

void QOVDatasouce::requestLocationForCoordinates(const LocationCoordinate&, Callback) {
    raiseAbstract("requestLocationForCoordinates:callbackObject:callbackSelector:");
}

void QOVDatasouce::requestTypeAheadWithSearchString(const std::string&, unsigned, Callback) {
    raiseAbstract("requestTypeAheadWithSearchString:forNumberOfResults:callBackObject:callBackSelector:");
}

void QOVDatasouce::requestPointsOfInterestForType(std::int32_t, const std::string&, platform::Dictionary) {
    raiseAbstract("requestPointsOfInterestForType:quadKey:userInfo:");
}

void QOVDatasouce::currentTropicalStormDataWithCallbackObject(Callback) {
    raiseAbstract("currentTropicalStormDataWithCallbackObject:callbackSelector:");
}

void QOVDatasouce::requestTweetsByDMA(const std::string&, Callback, const std::optional<std::string>&) {
    raiseAbstract("requestTweetsByDMA:callbackObject:callbackSelector:startingTweetID:");
}

void QOVDatasouce::requestTweetsByLocation(const QOVLocationIdentity&, Callback, const std::optional<std::string>&) {
    raiseAbstract("requestTweetsByLocation:callbackObject:callbackSelector:startingTweetID:");
}

void QOVDatasouce::requestRSSNewsFeedWithCallbackObject(Callback) {
    raiseAbstract("requestRSSNewsFeedWithCallbackObject:callbackSelector:");
}

void QOVDatasouce::flagTweet(const std::string&) { raiseAbstract("flagTweet:"); }

bool QOVDatasouce::okToRequestIdentifier(std::string_view identifier, std::string_view key) const {
    for (const auto& operation : m_queue.operations()) {
        if (!operation->isFinished() && holdsText(*operation, key, identifier)) {
            return false;
        }
    }
    return true;
}

bool QOVDatasouce::okToRequestLocation(const QOVLocationIdentity& identity) const {
    return okToRequestIdentifier(identity.identifierAsString(), kLocationIdKey);
}

bool QOVDatasouce::okToRequestConfiguration(std::string_view applicationId) const {
    return okToRequestIdentifier(applicationId, kApplicationIdKey);
}

void QOVDatasouce::cancelRequestForKey(std::string_view key, std::string_view identifier) {
    for (const auto& operation : m_queue.operations()) {
        if (!operation->isFinished() && holdsText(*operation, key, identifier)) {
            operation->cancel();
        }
    }
}

void QOVDatasouce::cancelRequestsContainingKey(std::string_view key) {
    for (const auto& operation : m_queue.operations()) {
        if (!operation->isFinished() && holdsKey(*operation, key)) {
            operation->cancel();
        }
    }
}

void QOVDatasouce::cancelRequestForLocation(const QOVLocationIdentity& identity) {
    cancelRequestForKey(kLocationIdKey, identity.identifierAsString());
}

void QOVDatasouce::cancelRequestsForAllLocations() { cancelRequestsContainingKey(kLocationIdKey); }

void QOVDatasouce::cancelRequestForConfiguration(std::string_view applicationId) {
    cancelRequestForKey(kApplicationIdKey, applicationId);
}

void QOVDatasouce::cancelRequestsForAllConfigurations() { cancelRequestsContainingKey(kApplicationIdKey); }

void QOVDatasouce::cancelAllRequests() { m_queue.cancelAllOperations(); }

}  // namespace qov
