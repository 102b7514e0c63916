#include "app/maps/cache/QOVMapCache.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <thread>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "platform/base/OperationQueue.h"
#include "platform/net/Reachability.h"
#include "tests/app/maps/MapsFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PngSamples.h"
#include "tests/support/PumpUntil.h"

namespace qov {
namespace {

class QOVMapCacheTest : public qovtest::MapsFixture {
protected:
    struct Listener : MapConfigurationListener {
        std::vector<std::shared_ptr<QOVMapTileConfig>> configurations;
        void mapConfigurationChanged(const std::shared_ptr<QOVMapTileConfig>& configuration) override {
            configurations.push_back(configuration);
        }
    };

    void SetUp() override {
        MapsFixture::SetUp();
        m_cache = QOVMapCache::create(home(), datasource());
        ASSERT_TRUE(waitForConfiguration());
    }
    bool waitForConfiguration() {
        return qovtest::pumpUntil([this] { return m_cache->currentTileConfig() && m_cache->cachedConfiguration(); });
    }
    std::filesystem::path folder() const { return home() / "MapCache"; }
    bool hasFile(const std::string& name) const { return std::filesystem::exists(folder() / name); }
    void writeTileFile(const std::string& name, platform::Data bytes = platform::Data{0x89, 'P', 'N', 'G'}) const {
        QOVMapTileData tile;
        tile.setTileImageData(std::move(bytes));
        ASSERT_TRUE(platform::KeyedArchiver::archiveRootObject(tile, folder() / name));
    }
    std::shared_ptr<QOVMapSeries> radar() const { return m_cache->currentTileConfig()->latestSeriesForLayer("radar"); }
    std::string radarFile(const std::string& quadKey) const {
        return "radar_" + radar()->seriesDate() + "_" + quadKey + ".TileCache";
    }

    std::shared_ptr<QOVMapCache> m_cache;
};

TEST_F(QOVMapCacheTest, ListenersHearOfEachStoredConfigurationAndNewcomersAreAnsweredAtOnce) {
    auto early = std::make_shared<Listener>();
    m_cache->startListeningForMapConfigWithDelegate(early);
    m_cache->startListeningForMapConfigWithDelegate(early);
    ASSERT_EQ(early->configurations.size(), 1U);  // fresh: answered at once, and only once
    EXPECT_EQ(requestCount("/TileServer/serieslist.do"), 1U);

    auto replacement = std::make_shared<QOVMapTileConfig>(*m_cache->currentTileConfig());
    m_cache->storeConfiguration(replacement);
    EXPECT_EQ(early->configurations.size(), 1U);  // told on a later turn
    loop().runUntilIdle();
    ASSERT_EQ(early->configurations.size(), 2U);
    EXPECT_EQ(early->configurations[1], replacement);
    EXPECT_EQ(m_cache->configurationLocalZone(), "EST");

    m_cache->storeConfiguration(nullptr);
    loop().runUntilIdle();
    EXPECT_EQ(m_cache->currentTileConfig(), replacement);
    EXPECT_EQ(early->configurations.size(), 2U);
}

TEST_F(QOVMapCacheTest, ValidationPrunesTileFilesOfUnlistedSeriesAndRunsAndRefetchesAStaleList) {
    const std::string run = m_cache->currentTileConfig()->latestSeriesForLayer("future_radar_ff")->seriesDate();
    const std::vector<std::pair<std::string, bool>> files{
        {radarFile("0320"), true},
        {"radar_201001010000_0320.TileCache", false},
        {"future_radar_ff_" + run + "+209901010000_0320.TileCache", true},
        {"future_radar_ff_201001010000+" + run + "_0320.TileCache", false},
        {"lightning_" + run + "_0320.TileCache", false},
        {"unnamed.TileCache", true},
    };
    for (const auto& [name, kept] : files) {
        writeTileFile(name);
    }
    advance(900.0);
    for (const auto& [name, kept] : files) {
        EXPECT_EQ(hasFile(name), kept) << name;
    }
    EXPECT_EQ(requestCount("/TileServer/serieslist.do"), 1U);
    advance(900.0);  // 1800 s old: stale
    EXPECT_TRUE(qovtest::pumpUntil([this] { return requestCount("/TileServer/serieslist.do") == 2; }));
}

TEST_F(QOVMapCacheTest, AFailedSeriesListKeepsTheConfigurationInMemoryAndOnDisk) {
    auto listener = std::make_shared<Listener>();
    m_cache->startListeningForMapConfigWithDelegate(listener);
    const auto before = m_cache->currentTileConfig();
    addFault(faultOf("/TileServer/serieslist.do", 500));
    advance(1800.0);
    ASSERT_TRUE(qovtest::pumpUntil([&] {
        return requestCount("/TileServer/serieslist.do") == 2 && datasource()->operationQueue().operationCount() == 0;
    }));
    loop().runUntilIdle();
    EXPECT_EQ(m_cache->currentTileConfig(), before);
    EXPECT_TRUE(m_cache->cachedConfiguration());
    EXPECT_EQ(listener->configurations.size(), 1U);
}

TEST_F(QOVMapCacheTest, OfflineAStaleListServesNewListenersAtOnceUntilTheNetworkBringsAFreshOne) {
    const auto stored = m_cache->currentTileConfig();
    platform::net::Reachability::shared()->setReachable(false);
    advance(1500.0);
    ASSERT_TRUE(stored->isStale());
    auto listener = std::make_shared<Listener>();
    m_cache->startListeningForMapConfigWithDelegate(listener);
    ASSERT_EQ(listener->configurations.size(), 1U);
    EXPECT_EQ(listener->configurations[0], stored);
    ASSERT_TRUE(settleSeriesList());
    EXPECT_EQ(requestCount("/TileServer/serieslist.do"), 1U);  // nothing leaves the device

    platform::net::Reachability::shared()->setReachable(true);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return listener->configurations.size() == 2; }));
    EXPECT_FALSE(listener->configurations[1]->isStale());
    EXPECT_EQ(m_cache->currentTileConfig(), listener->configurations[1]);
    EXPECT_EQ(requestCount("/TileServer/serieslist.do"), 2U);
}

TEST_F(QOVMapCacheTest, WithoutAStoredListTheListIsAskedForAgainWhenTheNetworkReturns) {
    platform::net::Reachability::shared()->setReachable(false);
    const auto empty = QOVMapCache::create(home() / "empty", datasource());
    auto listener = std::make_shared<Listener>();
    empty->startListeningForMapConfigWithDelegate(listener);
    ASSERT_TRUE(settleSeriesList());
    EXPECT_TRUE(listener->configurations.empty());

    platform::net::Reachability::shared()->setReachable(true);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return listener->configurations.size() == 1; }));
    EXPECT_TRUE(empty->cachedConfiguration());
    // The fresh cache of the fixture had nothing to ask for.
    EXPECT_EQ(requestCount("/TileServer/serieslist.do"), 2U);
}

TEST_F(QOVMapCacheTest, AListRequestThatFailedOfflineWithItsAnswerNotYetInIsNotJoinedWhenTheNetworkReturns) {
    platform::net::Reachability::shared()->setReachable(false);
    advance(1500.0);
    auto listener = std::make_shared<Listener>();
    m_cache->startListeningForMapConfigWithDelegate(listener);
    // The request has failed on its worker; its answer waits for the main loop.
    while (platform::OperationQueue::hasOperationsAtWorkInProcess()) {
        std::this_thread::yield();
    }
    platform::net::Reachability::shared()->setReachable(true);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return listener->configurations.size() == 2; }));
    EXPECT_FALSE(listener->configurations[1]->isStale());
}

TEST_F(QOVMapCacheTest, TilesAreFetchedOnceAndThenServedFromTheirFiles) {
    auto receiver = std::make_shared<Receiver>();
    const platform::map::MapRect rect(10, 20, 30, 40);
    m_cache->cachedTileForSeries(radar(), "0320", rect, receiver);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 1; }));
    EXPECT_TRUE(hasFile(radarFile("0320")));

    m_cache->cachedTileForSeries(radar(), "0320", platform::map::MapRect(1, 2, 3, 4), receiver);
    EXPECT_TRUE(receiver->tiles.size() == 1);  // read on a worker, delivered on a later turn
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 2; }));
    EXPECT_NE(receiver->tiles[1]->decodedImage(), nullptr);
    EXPECT_EQ(receiver->tiles[1]->mapRect(), platform::map::MapRect(1, 2, 3, 4));
    EXPECT_EQ(receiver->tiles[1]->tileImageData(), receiver->tiles[0]->tileImageData());
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 1U);
}

TEST_F(QOVMapCacheTest, TileFilesNotYetWrittenWhenTheTilesAreClearedStayUnwrittenAndTheTilesStillArrive) {
    auto receiver = std::make_shared<Receiver>();
    const std::vector<std::string> quadKeys{"0300", "0301", "0302", "0303", "0310", "0311", "0312", "0313"};
    for (const auto& quadKey : quadKeys) {
        auto tile = std::make_shared<QOVMapTileData>();
        tile->setLayerName("radar");
        tile->setSeriesDate(radar()->seriesDate());
        tile->setQuadKey(quadKey);
        tile->setTileImageData(qovtest::PngSamples::picture(256, 256));
        m_cache->storeTileWithUserInfo(TileRequestResult{tile, std::nullopt, receiver});
    }
    m_cache->removeAllTileCaches();
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == quadKeys.size(); }));
    for (const auto& quadKey : quadKeys) {
        EXPECT_FALSE(hasFile(radarFile(quadKey))) << quadKey;
    }
    // Cancelled writes hand their tiles on in no set order: the file looked for is that of the tile stored again.
    const auto again = receiver->tiles.front();
    m_cache->storeTileWithUserInfo(TileRequestResult{again, std::nullopt, receiver});
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == quadKeys.size() + 1; }));
    EXPECT_TRUE(hasFile(radarFile(again->quadKey()))) << "written before it is handed on";
}

TEST_F(QOVMapCacheTest, AnUndecodableTileFileIsDeletedAndFetchedAgain) {
    std::ofstream(folder() / radarFile("0321"), std::ios::binary) << "not an archive";
    writeTileFile(radarFile("0322"));  // an archive whose bytes are no whole image
    auto receiver = std::make_shared<Receiver>();
    m_cache->cachedTileForSeries(radar(), "0321", {}, receiver);
    m_cache->cachedTileForSeries(radar(), "0322", {}, receiver);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 2; }));
    EXPECT_TRUE(receiver->tiles[0]->tileImageData() && receiver->tiles[1]->tileImageData());
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 2U);
}

TEST_F(QOVMapCacheTest, ATileFileFailingThePictureCheckIsDeletedAndFetchedAgainThenReadsBack) {
    platform::Data trailing = qovtest::PngSamples::picture(256, 256);
    trailing.insert(trailing.end(), {'m', 'o', 'r', 'e'});
    const std::vector<platform::Data> hostile{trailing, qovtest::PngSamples::declaring(40000, 40000)};
    auto receiver = std::make_shared<Receiver>();
    for (std::size_t index = 0; index < hostile.size(); ++index) {
        writeTileFile(radarFile("033" + std::to_string(index)), hostile[index]);
        m_cache->cachedTileForSeries(radar(), "033" + std::to_string(index), {}, receiver);
    }
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == hostile.size(); }));
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), hostile.size());

    // The fetched tiles were stored; they pass the same check when read back and are not fetched again.
    for (std::size_t index = 0; index < hostile.size(); ++index) {
        m_cache->cachedTileForSeries(radar(), "033" + std::to_string(index), {}, receiver);
    }
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 2 * hostile.size(); }));
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), hostile.size());
}

TEST_F(QOVMapCacheTest, AnAnswerThatIsNoTilePictureIsNeverStored) {
    const qovtest::LogCapture log;
    addFault(faultOf("/TileServer/imgs/*", 0, true));
    auto receiver = std::make_shared<Receiver>();
    m_cache->cachedTileForSeries(radar(), "0323", {}, receiver);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 1; }));
    EXPECT_FALSE(receiver->tiles[0]->tileImageData());
    EXPECT_FALSE(hasFile(radarFile("0323")));
    EXPECT_TRUE(log.contains("Cannot decode the PNG image data: no PNG signature"));
    EXPECT_FALSE(log.contains("out of memory"));
}

TEST_F(QOVMapCacheTest, HostileSeriesNeverBecomeFilesOrRequests) {
    auto hostile = std::make_shared<QOVMapSeries>(*radar());
    hostile->setLayerName("../../escape");
    auto receiver = std::make_shared<Receiver>();
    m_cache->cachedTileForSeries(hostile, "0320", {}, receiver);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 1; }));
    EXPECT_FALSE(receiver->tiles[0]->tileImageData());
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 0U);
    EXPECT_EQ(m_cache->pathsForCurrentTileCacheFiles().size(), 0U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home()), {}), 1);  // only MapCache
}

TEST_F(QOVMapCacheTest, ATileIsStoredEvenWhenItsReceiverIsGone) {
    auto receiver = std::make_shared<Receiver>();
    const platform::map::MapRect rect(0, 0, 1, 1);
    EXPECT_FALSE(m_cache->hasCachedTileForSeries(radar(), rect, 1.0F, receiver));
    receiver.reset();
    ASSERT_TRUE(qovtest::pumpUntil(
        [&] { return datasource()->tileRequestsInFlight() == 0 && hasFile(radarFile(std::string(20, '0'))); }));
    EXPECT_TRUE(m_cache->hasCachedTileForSeries(radar(), rect, 1.0F, nullptr));
    EXPECT_EQ(m_cache->alreadyCachedTilesSeries(radar(), rect, 1.0F).size(), 1U);
    EXPECT_TRUE(m_cache->tilesToCacheForSeries(radar(), rect, 1.0F).empty());
}

// Drawings of a map over a failing tile ask the map cache for the tile again and again.
TEST_F(QOVMapCacheTest, ATileThatFailsIsAskedForAFewTimesOverTwentySecondsOfDrawingAndComesBackAfterwards) {
    addFault(faultOf("/TileServer/imgs/*", 500));
    auto receiver = std::make_shared<Receiver>();
    for (std::size_t drawing = 1; drawing <= 400; ++drawing) {  // 20 s, 20 drawings a second
        m_cache->cachedTileForSeries(radar(), "0320", {}, receiver);
        ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == drawing; }));
        EXPECT_FALSE(receiver->tiles.back()->tileImageData());
        advance(0.05);
    }
    // At 0 s and 10 s, each with its retry; then not before 30 s.
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 4U);
    EXPECT_FALSE(hasFile(radarFile("0320")));

    sim().faults().clear();
    advance(11.0);
    m_cache->cachedTileForSeries(radar(), "0320", {}, receiver);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 401; }));
    EXPECT_TRUE(receiver->tiles.back()->tileImageData());
    EXPECT_TRUE(hasFile(radarFile("0320")));
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 5U);
}

TEST_F(QOVMapCacheTest, AFailedTileIsAskedForAtOnceWhenTheNetworkComesBackOrANewSeriesListComes) {
    addFault(faultOf("/TileServer/imgs/*", 500));
    const std::vector<std::pair<std::string, std::function<void()>>> events{
        {"the network comes back",
         [] {
             platform::net::Reachability::shared()->setReachable(false);
             platform::net::Reachability::shared()->setReachable(true);
         }},
        {"a new series list",
         [this] { m_cache->storeConfiguration(std::make_shared<QOVMapTileConfig>(*m_cache->currentTileConfig())); }}};
    auto receiver = std::make_shared<Receiver>();
    const auto draw = [&] {
        const std::size_t before = receiver->tiles.size();
        m_cache->cachedTileForSeries(radar(), "0320", {}, receiver);
        return qovtest::pumpUntil([&] { return receiver->tiles.size() == before + 1; });
    };
    ASSERT_TRUE(draw());
    std::size_t asked = requestCount("/TileServer/imgs/*");
    for (const auto& [event, happen] : events) {
        ASSERT_TRUE(draw());
        EXPECT_EQ(requestCount("/TileServer/imgs/*"), asked) << event;
        happen();
        ASSERT_TRUE(draw());
        EXPECT_EQ(requestCount("/TileServer/imgs/*"), asked + 2) << event;
        asked += 2;
    }
}

TEST_F(QOVMapCacheTest, OfflineAFailedTileIsNotTriedOnEachDrawingAndIsAskedForAtOnceWhenTheNetworkComesBack) {
    platform::net::Reachability::shared()->setReachable(false);
    auto receiver = std::make_shared<Receiver>();
    m_cache->cachedTileForSeries(radar(), "0320", {}, receiver);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 1; }));
    for (std::size_t drawing = 2; drawing <= 100; ++drawing) {
        advance(0.05);
        m_cache->cachedTileForSeries(radar(), "0320", {}, receiver);
        EXPECT_EQ(datasource()->tileRequestsInFlight(), 0U) << "nothing tried at " << drawing;
        ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == drawing; }));
    }
    platform::net::Reachability::shared()->setReachable(true);
    m_cache->cachedTileForSeries(radar(), "0320", {}, receiver);
    EXPECT_EQ(datasource()->tileRequestsInFlight(), 1U);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 101; }));
    EXPECT_TRUE(receiver->tiles.back()->tileImageData());
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 1U);
}

TEST_F(QOVMapCacheTest, ATileThatArrivedAndIsStillBeingWrittenIsHandedOverFromMemoryNotFetchedAgain) {
    auto fetched = std::make_shared<QOVMapTileData>();
    fetched->setLayerName("radar");
    fetched->setSeriesDate(radar()->seriesDate());
    fetched->setQuadKey("0330");
    fetched->setTileImageData(qovtest::PngSamples::picture(256, 256));
    auto receiver = std::make_shared<Receiver>();
    m_cache->storeTileWithUserInfo(TileRequestResult{fetched, std::nullopt, receiver});
    auto other = std::make_shared<Receiver>();
    m_cache->cachedTileForSeries(radar(), "0330", platform::map::MapRect(5, 6, 7, 8), other);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return receiver->tiles.size() == 1 && other->tiles.size() == 1; }));
    EXPECT_TRUE(other->tiles[0]->tileImageData() == fetched->tileImageData());
    EXPECT_EQ(other->tiles[0]->mapRect(), platform::map::MapRect(5, 6, 7, 8));
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 0U);
}

class RecordingApplicationCache : public ApplicationCache {
public:
    RecordingApplicationCache() : ApplicationCache(nullptr) {}
    void cachedPOIType(std::int32_t type, const std::string& quadKey, POIListCallback) override {
        requests.push_back(std::to_string(type) + ":" + quadKey);
    }
    std::vector<std::string> requests;
};

TEST_F(QOVMapCacheTest, PointsOfInterestAreAskedForPerTileInRowOrder) {
    auto applicationCache = std::make_shared<RecordingApplicationCache>();
    ApplicationCacheFactory::sharedInstance().setCache(applicationCache);
    const platform::map::MapRect rect(0, 0, 131072, 131072);
    m_cache->cachedPOIType(0, rect, 1.0F / 512.0F, nullptr);
    m_cache->cachedPOIType(1, rect, 0.0F, nullptr);
    EXPECT_TRUE(applicationCache->requests.empty());
    m_cache->cachedPOIType(1, rect, 1.0F / 512.0F, nullptr);
    EXPECT_EQ(applicationCache->requests,
              (std::vector<std::string>{"1:00000000000", "1:00000000001", "1:00000000002", "1:00000000003"}));
    ApplicationCacheFactory::sharedInstance().setCache(nullptr);
}

}  // namespace
}  // namespace qov
