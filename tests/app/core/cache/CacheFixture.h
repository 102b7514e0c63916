#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/core/error/QOVError.h"
#include "app/core/model/QOVLocation.h"
#include "platform/net/Reachability.h"
#include "tests/app/core/cache/FakeLocationSource.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/app/RecordingDatasource.h"

namespace qovtest {

// A manual clock and main loop, a recording data source, a location source, a clean error registry and a
// reachable network for each cache test.
class CacheFixture : public ManualClockFixture {
protected:
    CacheFixture() {
        qov::QOVError::clearAllErrors();
        platform::net::Reachability::reset();
    }
    ~CacheFixture() override {
        qov::QOVError::clearAllErrors();
        platform::net::Reachability::reset();
    }

    // What make() builds with the clock set ageSeconds back (data objects stamp their creation time).
    template <class Make>
    auto madeAgo(double ageSeconds, Make make) const {
        const platform::Date now = clock()->now();
        clock()->set(now.addingTimeInterval(-ageSeconds));
        auto made = make();
        clock()->set(now);
        return made;
    }

    // A location whose data is ageSeconds old.
    std::shared_ptr<qov::QOVLocation> makeLocation(const std::string& key, std::int32_t type = 1,
                                                   double ageSeconds = 0.0) const {
        auto location = madeAgo(ageSeconds, [] { return std::make_shared<qov::QOVLocation>(); });
        location->setType(type);
        location->setKey(key);
        location->setName(key);
        return location;
    }

    static std::shared_ptr<qov::QOVLocationIdentity> identity(const std::string& key, std::int32_t type = 1) {
        return std::make_shared<qov::QOVLocationIdentity>(type, key);
    }

    std::shared_ptr<RecordingDatasource> datasource = std::make_shared<RecordingDatasource>();
    std::shared_ptr<FakeLocationSource> locations = std::make_shared<FakeLocationSource>();
};

}  // namespace qovtest
