#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/model/QOVLocation.h"

namespace qovtest {

// An application cache that only records what the data-service client stores into it; cachedLocation answers
// what a test put into `cached` (by identifier), never what was stored.
class RecordingCache : public qov::ApplicationCache {
public:
    struct POIStore {
        std::vector<std::shared_ptr<qov::QOVPointOfInterest>> points;
        platform::Dictionary userInfo;
    };

    RecordingCache() : ApplicationCache(nullptr) {}

    void storeLocation(const std::shared_ptr<qov::QOVLocation>& location) override { locations.push_back(location); }
    std::shared_ptr<qov::QOVLocation> cachedLocation(const qov::QOVLocationIdentity& identity) override {
        const auto found = cached.find(identity.identifierAsString());
        return found == cached.end() ? nullptr : found->second;
    }
    void storeConfiguration(const std::shared_ptr<qov::QOVMobileAppConfig>& configuration) override {
        configurations.push_back(configuration);
    }
    void storePOIList(const std::vector<std::shared_ptr<qov::QOVPointOfInterest>>& points,
                      const platform::Dictionary& userInfo) override {
        poiLists.push_back({points, userInfo});
    }

    std::map<std::string, std::shared_ptr<qov::QOVLocation>> cached;
    std::vector<std::shared_ptr<qov::QOVLocation>> locations;
    std::vector<std::shared_ptr<qov::QOVMobileAppConfig>> configurations;
    std::vector<POIStore> poiLists;
};

}  // namespace qovtest
