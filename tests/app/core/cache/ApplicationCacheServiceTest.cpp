#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "platform/storage/KeyedArchiver.h"
#include "sim/SimServer.h"
#include "tests/app/core/cache/CacheFixture.h"
#include "tests/app/core/cache/RecordingLocationListener.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace {

namespace fs = std::filesystem;
using qov::FileSystemApplicationCache;
using qovtest::RecordingLocationListener;

// The cache with the real data-service client, over loopback HTTP to the stand-in service, on the manual clock
// (transfers run on their own threads; their answers arrive through the main loop).
class ApplicationCacheServiceTest : public qovtest::CacheFixture {
protected:
    ApplicationCacheServiceTest() {
        EXPECT_TRUE(sim.start());
        const std::string host = "127.0.0.1:" + std::to_string(sim.port());
        service->setDataServiceHosts(host, host);
        service->setCacheProvider([weakCache = std::weak_ptr<qov::ApplicationCache>(cache)] {
            return weakCache.lock();
        });
        cache->setLocationSource(locations);
    }
    ~ApplicationCacheServiceTest() override {
        cache.reset();
        sim.stop();
    }

    fs::path atlantaFile() const { return home.path() / "AppCache" / "USGA0028:1.LocationCache"; }

    qovtest::TestBundle bundle;
    qovtest::TempHome home;
    qovsim::SimServer sim;
    std::shared_ptr<qov::DS2JSONDatasource> service = std::make_shared<qov::DS2JSONDatasource>();
    std::shared_ptr<FileSystemApplicationCache> cache =
        std::make_shared<FileSystemApplicationCache>(service, home.path());
    std::shared_ptr<RecordingLocationListener> listener = std::make_shared<RecordingLocationListener>();
};

TEST_F(ApplicationCacheServiceTest, ListenerForAPlaceNotCachedHearsOfItOnceStored) {
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    EXPECT_TRUE(listener->received.empty());
    ASSERT_TRUE(qovtest::pumpUntil([&] { return !listener->received.empty(); }));

    const auto& location = listener->received.front();
    EXPECT_EQ(location->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(location->city(), "Atlanta");
    EXPECT_NE(location->currentConditions(), nullptr);

    const auto archived = std::dynamic_pointer_cast<qov::QOVLocation>(
        platform::KeyedUnarchiver::unarchiveObjectWithFile(atlantaFile()));
    ASSERT_NE(archived, nullptr);
    EXPECT_EQ(archived->city(), "Atlanta");
    ASSERT_TRUE(archived->hourlyForecasts());
    EXPECT_EQ(archived->hourlyForecasts()->size(), location->hourlyForecasts()->size());
}

TEST_F(ApplicationCacheServiceTest, FailingServiceLeavesCachedDataServedAndOnDisk) {
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return !listener->received.empty(); }));
    const auto before = fs::file_size(atlantaFile());

    sim.faults().add(qovsim::Fault{.pathPattern = "/wxdata/*", .status = 500});
    locations->current = identity("USGA0028");
    sim.clearRequestLog();
    advance(400.0);  // stale: every pass asks again, and every answer is an error page
    ASSERT_TRUE(qovtest::pumpUntil([&] { return !sim.requestLog().empty() && service->queue().operations().empty(); }));

    sim.faults().clear();
    sim.faults().add(qovsim::Fault{.pathPattern = "/wxdata/*", .malformBody = true});
    cache->validateCacheContents();
    ASSERT_TRUE(qovtest::pumpUntil([&] { return service->queue().operations().empty(); }));

    EXPECT_EQ(fs::file_size(atlantaFile()), before);
    const auto later = std::make_shared<RecordingLocationListener>();
    cache->startListeningForLocationId(identity("USGA0028"), later);
    ASSERT_EQ(later->received.size(), 1u);
    EXPECT_EQ(later->received[0]->city(), "Atlanta");
    EXPECT_TRUE(later->received[0]->isStale());
}

}  // namespace
