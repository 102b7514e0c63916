#pragma once

#include <memory>
#include <vector>

#include "app/core/cache/ApplicationCache.h"

namespace qovtest {

// An application cache that only records what the data-service client stores into it.
class RecordingCache : public qov::ApplicationCache {
public:
    struct POIStore {
        std::vector<std::shared_ptr<qov::QOVPointOfInterest>> points;
        platform::Dictionary userInfo;
    };

    RecordingCache() : ApplicationCache(nullptr) {}

    void storeLocation(const std::shared_ptr<qov::QOVLocation>& location) override { locations.push_back(location); }
    void storeConfiguration(const std::shared_ptr<qov::QOVMobileAppConfig>& configuration) override {
        configurations.push_back(configuration);
    }
    void storePOIList(const std::vector<std::shared_ptr<qov::QOVPointOfInterest>>& points,
                      const platform::Dictionary& userInfo) override {
        poiLists.push_back({points, userInfo});
    }

    std::vector<std::shared_ptr<qov::QOVLocation>> locations;
    std::vector<std::shared_ptr<qov::QOVMobileAppConfig>> configurations;
    std::vector<POIStore> poiLists;
};

}  // namespace qovtest
