#pragma once

#include <memory>
#include <vector>

#include "app/core/cache/CacheLocationSource.h"
#include "app/core/model/QOVLocationIdentity.h"

namespace qovtest {

// A current location and favourites set by the test.
class FakeLocationSource : public qov::CacheLocationSource {
public:
    std::shared_ptr<qov::QOVLocationIdentity> currentLocation() override { return current; }
    bool favoritesContainsLocation(const qov::QOVLocationIdentity& location) override {
        for (const auto& favourite : favourites) {
            if (favourite->isEqualToLocation(location)) {
                return true;
            }
        }
        return false;
    }

    std::shared_ptr<qov::QOVLocationIdentity> current;
    std::vector<std::shared_ptr<qov::QOVLocationIdentity>> favourites;
};

}  // namespace qovtest
