#include <gtest/gtest.h>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/error/QOVError.h"
#include "app/core/location/GpsFixJob.h"
#include "platform/base/Clock.h"
#include "platform/base/RunLoop.h"
#include "platform/geo/FixedPositionSource.h"
#include "platform/geo/PositionError.h"
#include "platform/net/Reachability.h"
#include "platform/storage/Bundle.h"
#include "sim/Fault.h"
#include "tests/app/core/location/LocationManagerWorld.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace {

using qov::QOVLocation;
using qov::QOVLocationIdentity;
using qov::QOVLocationManager;
using qovtest::LocationManagerWorld;

using Names = std::vector<std::string>;

constexpr const char* kStart = QOVLocationManager::kUpdateStartCurrentLocationWithGPSNotification;
constexpr const char* kStop = QOVLocationManager::kUpdateStopCurrentLocationWithGPSNotification;
constexpr const char* kSucceeded = QOVLocationManager::kUpdateSucceededCurrentLocationWithGPSNotification;
constexpr const char* kFailed = QOVLocationManager::kUpdateFailedCurrentLocationWithGPSNotification;
constexpr const char* kCurrentChanged = QOVLocationManager::kCurrentLocationUpdatedNotification;

// Position requests end to end: a scripted position source, the manager, a file-system application cache whose
// data-service client asks the stand-in service over loopback which place lies at a coordinate. The main loop
// runs on a manual clock (nothing here waits for a timer); the network takes real time.
class LocationManagerPositionTest : public qovtest::SimFixture {
protected:
    LocationManagerPositionTest() {
        platform::NotificationCenter::resetDefaultCenter();
        platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>());
        platform::net::Reachability::reset();
        qov::QOVError::clearAllErrors();
    }
    ~LocationManagerPositionTest() override {
        m_world.reset();
        m_cache.reset();
        m_datasource.reset();
        qov::QOVError::clearAllErrors();
        platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
        platform::NotificationCenter::resetDefaultCenter();
    }

    void SetUp() override {
        SimFixture::SetUp();
        ASSERT_FALSE(platform::Bundle::main().objectForInfoDictionaryKey("DS2APIKey").isNull())
            << "the application bundle (target qov_bundle) is missing";
        m_datasource = std::make_shared<qov::DS2JSONDatasource>();
        m_datasource->setDataServiceHosts(simUrl().substr(std::string("http://").size()), "127.0.0.1:1");
        m_cache = std::make_shared<qov::FileSystemApplicationCache>(m_datasource, m_home.path() / "Caches");
        m_world = std::make_unique<LocationManagerWorld>(m_cache);
    }

    LocationManagerWorld& world() { return *m_world; }
    std::shared_ptr<qov::ApplicationCache> cache() const { return m_cache; }
    QOVLocationManager& manager() { return *m_world->manager; }
    platform::geo::ScriptedPositionSource& positions() { return *m_world->positions; }

    // Runs the main loop until a request has ended (succeeded or failed), at most 5 s.
    bool waitForTheEnd() {
        return qovtest::pumpUntil([this] {
            const auto names = world().names();
            return std::find(names.begin(), names.end(), kSucceeded) != names.end() ||
                   std::find(names.begin(), names.end(), kFailed) != names.end();
        });
    }
    // Runs the device runner's fix job for London through a new manager over a fixed position source.
    std::shared_ptr<QOVLocationManager> runRunnersFix(bool& succeeded) {
        const auto fixed = std::make_shared<platform::geo::FixedPositionSource>(world().defaults);
        const auto manager = QOVLocationManager::create(world().defaults, fixed, [this] { return cache(); });
        qov::GpsFixJob job(manager, fixed);
        EXPECT_TRUE(job.start({51.5, -0.12}));
        EXPECT_TRUE(qovtest::pumpUntil([&job] { return job.isFinished(); }));
        succeeded = job.succeeded();
        return manager;
    }
    // Runs what is queued on the main loop now (position deliveries come on the next turn).
    void runQueued() { platform::RunLoop::main().runUntilIdle(); }
    std::size_t coordinateRequests() {
        std::size_t count = 0;
        for (const auto& request : sim().requestLog()) {
            count += request.path == "/wxdata/loc/get.js" ? 1 : 0;
        }
        return count;
    }

private:
    qovtest::TempHome m_home;
    qovtest::TestBundle m_bundle;
    std::shared_ptr<qov::DS2JSONDatasource> m_datasource;
    std::shared_ptr<qov::FileSystemApplicationCache> m_cache;
    std::unique_ptr<LocationManagerWorld> m_world;
};

TEST_F(LocationManagerPositionTest, AFixBecomesTheCurrentLocationThroughTheCoordinateLookup) {
    EXPECT_EQ(positions().calls().stopMonitoring, 1);  // set-up stops significant-change monitoring
    manager().updateCurrentLocationWithGPS();
    EXPECT_TRUE(positions().isUpdatingLocation());
    EXPECT_EQ(positions().desiredAccuracy(), platform::geo::PositionSource::kAccuracyBest);
    positions().pushFix({33.75, -84.39});

    ASSERT_TRUE(waitForTheEnd());

    ASSERT_EQ(world().names(), (Names{kStart, kCurrentChanged, kStop, kSucceeded}));
    EXPECT_FALSE(positions().isUpdatingLocation());
    EXPECT_EQ(coordinateRequests(), 1u);
    const auto found = world().notifications[3].object.object<QOVLocation>();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->city(), "Atlanta");
    EXPECT_EQ(world().notifications[2].object.object<QOVLocationIdentity>(), manager().currentLocation());
    EXPECT_EQ(manager().currentLocation()->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(manager().popRank().at("USGA0028:1"), 1);
}

TEST_F(LocationManagerPositionTest, OnlyTheFirstFixOfARequestIsLookedUp) {
    manager().updateCurrentLocationWithGPS();
    positions().pushFix({51.51, -0.13});
    positions().pushFix({33.75, -84.39});

    ASSERT_TRUE(waitForTheEnd());
    runQueued();

    EXPECT_EQ(coordinateRequests(), 1u);
    EXPECT_EQ(manager().currentLocation()->identifierAsString(), "UKXX0085:1");
}

TEST_F(LocationManagerPositionTest, LocationServicesOffFailAtOnceAndDeniedAccessFailsAndStopsUpdating) {
    positions().setLocationServicesEnabled(false);
    manager().updateCurrentLocationWithGPS();
    EXPECT_EQ(world().names(), (Names{kStart, kFailed}));
    EXPECT_EQ(positions().calls().startUpdating, 0);

    positions().setLocationServicesEnabled(true);
    positions().setAuthorizationDenied(true);
    manager().updateCurrentLocationWithGPS();
    runQueued();
    EXPECT_EQ(world().names(), (Names{kStart, kFailed, kStart, kFailed}));
    EXPECT_FALSE(positions().isUpdatingLocation());
    EXPECT_EQ(coordinateRequests(), 0u);
}

TEST_F(LocationManagerPositionTest, AFailedLookupOrOneWithoutALocationEndsTheRequestAndKeepsTheCurrentLocation) {
    manager().setCurrentLocation(LocationManagerWorld::identity("UKXX0085"));
    for (const auto& fault : {qovsim::Fault{.pathPattern = "/wxdata/loc/get.js", .status = 500},
                              qovsim::Fault{.pathPattern = "/wxdata/loc/get.js", .malformBody = true}}) {
        world().notifications.clear();
        sim().faults().clear();
        sim().faults().add(fault);

        manager().updateCurrentLocationWithGPS();
        positions().pushFix({33.75, -84.39});

        ASSERT_TRUE(waitForTheEnd());
        EXPECT_EQ(world().names(), (Names{kStart, kFailed}));
        EXPECT_EQ(manager().currentLocation()->identifierAsString(), "UKXX0085:1");
    }
}

TEST_F(LocationManagerPositionTest, OutsideGPSModeAFixIsRecordedAndLookedUpOnTheNextRequest) {
    manager().setUsingGPS(false);
    positions().startUpdatingLocation();
    const auto fix = positions().pushFix({51.51, -0.13});
    runQueued();
    EXPECT_TRUE(manager().locationHasUpdated());
    EXPECT_EQ(manager().lastLocationUpdated(), fix);
    EXPECT_TRUE(world().notifications.empty());

    manager().updateCurrentLocationWithGPS();
    ASSERT_TRUE(waitForTheEnd());

    ASSERT_EQ(world().names(), (Names{kStart, kStop, kCurrentChanged, kStop, kSucceeded}));
    EXPECT_EQ(world().notifications[1].object.object<platform::geo::PositionFix>(), fix);
    EXPECT_EQ(manager().currentLocation()->identifierAsString(), "UKXX0085:1");
}

TEST_F(LocationManagerPositionTest, OutsideGPSModeAnErrorForgetsTheRecordedFix) {
    manager().setUsingGPS(false);
    positions().startUpdatingLocation();
    positions().pushFix({51.51, -0.13});
    runQueued();
    positions().pushError(platform::geo::PositionError::locationUnknown());
    runQueued();

    EXPECT_FALSE(manager().locationHasUpdated());
    EXPECT_EQ(manager().lastLocationUpdated(), nullptr);
    EXPECT_EQ(world().names(), (Names{kFailed}));
    // Outside GPS mode the source keeps running.
    EXPECT_TRUE(positions().isUpdatingLocation());
}

TEST_F(LocationManagerPositionTest, WithoutAnApplicationCacheTheRequestFails) {
    const auto noCache = QOVLocationManager::create(world().defaults, world().positions, [] { return nullptr; });
    noCache->updateCurrentLocationWithGPS();
    positions().pushFix({33.75, -84.39});
    runQueued();

    EXPECT_EQ(world().names(), (Names{kStart, kFailed}));
}

// --- The device runner's fix ---

TEST_F(LocationManagerPositionTest, TheRunnersFixBecomesTheCurrentLocationOrEndsInFailure) {
    bool succeeded = false;
    EXPECT_EQ(runRunnersFix(succeeded)->currentLocation()->identifierAsString(), "UKXX0085:1");
    EXPECT_TRUE(succeeded);

    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/loc/get.js", .dropConnection = true});
    EXPECT_EQ(runRunnersFix(succeeded)->currentLocation()->identifierAsString(), "UKXX0085:1");  // kept
    EXPECT_FALSE(succeeded);
}

TEST(GpsFixJobTest, OnlyTwoNumbersOnTheEarthMakeACoordinate) {
    const auto atlanta = qov::GpsFixJob::parseCoordinate("33.749,-84.388");
    ASSERT_TRUE(atlanta.has_value());
    EXPECT_DOUBLE_EQ(atlanta->latitude, 33.749);
    EXPECT_DOUBLE_EQ(atlanta->longitude, -84.388);
    for (const char* text :
         {"", "33.7", "33.7,", ",1", "a,b", "1,2,3", "91,0", "0,181", "nan,0", "0,inf", " 1,2", "1 ,2", "1e999,0"}) {
        EXPECT_EQ(qov::GpsFixJob::parseCoordinate(text), std::nullopt) << text;
    }
}

}  // namespace
