#pragma once

#include <string>
#include <vector>

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/model/QOVLocationIdentity.h"

namespace qovtest {

// A data source that sends nothing and records each call as one line ("requestLocation USGA0028:1"), in order.
// Point-of-interest requests also keep their user information, so a test can answer them.
class RecordingDatasource : public qov::QOVDatasouce {
public:
    void requestLocation(const qov::QOVLocationIdentity& identity) override {
        calls.push_back("requestLocation " + identity.identifierAsString());
    }
    void requestConfigurationForApplicationId(const std::string& applicationId, double timeToLive) override {
        calls.push_back("requestConfiguration " + applicationId + " " + std::to_string(static_cast<int>(timeToLive)));
    }
    void requestLocationForZip(const std::string& zip, Callback, bool alternateSearch) override {
        calls.push_back("requestLocationForZip " + zip + (alternateSearch ? " alternate" : ""));
    }
    void requestLocationForCoordinates(const qov::LocationCoordinate&, Callback) override {
        calls.push_back("requestLocationForCoordinates");
    }
    void requestTypeAheadWithSearchString(const std::string& searchString, unsigned numberOfResults,
                                          Callback) override {
        calls.push_back("requestTypeAhead " + searchString + " " + std::to_string(numberOfResults));
    }
    void requestPointsOfInterestForType(std::int32_t type, const std::string& quadKey,
                                        platform::Dictionary userInfo) override {
        calls.push_back("requestPointsOfInterest " + std::to_string(type) + " " + quadKey);
        poiUserInfo.push_back(std::move(userInfo));
    }
    void currentTropicalStormDataWithCallbackObject(Callback) override { calls.push_back("currentTropicalStormData"); }
    void cancelRequestForLocation(const qov::QOVLocationIdentity& identity) override {
        calls.push_back("cancelRequestForLocation " + identity.identifierAsString());
    }
    void cancelRequestsForAllLocations() override { calls.push_back("cancelRequestsForAllLocations"); }

    std::vector<std::string> calls;
    std::vector<platform::Dictionary> poiUserInfo;
};

}  // namespace qovtest
