#include "app/maps/datasource/QOVTileServerDatasource.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/app/maps/MapsFixture.h"
#include "tests/support/PumpUntil.h"

namespace qov {
namespace {

class QOVTileServerDatasourceTest : public qovtest::MapsFixture {
protected:
    struct Results {
        std::vector<TileRequestResult> tiles;
        std::vector<std::shared_ptr<QOVMapTileConfig>> configurations;
    };

    void request(const std::string& quadKey, const std::shared_ptr<MapTileReceiver>& receiver = nullptr,
                 const std::optional<std::string>& master = std::nullopt) {
        datasource()->requestTileDataForLayer(
            "radar", newestDate("radar"), master, quadKey, platform::map::MapRect(1, 2, 3, 4),
            [results = m_results](const TileRequestResult& result) { results->tiles.push_back(result); }, receiver);
    }
    bool waitUntilIdle() {
        return qovtest::pumpUntil([this] {
            return datasource()->tileRequestsInFlight() == 0 &&
                   datasource()->tileOperationQueue().operationCount() == 0 &&
                   datasource()->operationQueue().operationCount() == 0;
        });
    }
    void delayTiles(double seconds) {
        auto delay = faultOf(kTiles);
        delay.delaySeconds = seconds;
        addFault(delay);
    }
    const std::vector<TileRequestResult>& tiles() const { return m_results->tiles; }

    static constexpr const char* kTiles = "/TileServer/imgs/radar/*";
    std::shared_ptr<Results> m_results = std::make_shared<Results>();
};

TEST_F(QOVTileServerDatasourceTest, RequestsForATileInFlightJoinItAndAllReceiveTheOneResult) {
    delayTiles(0.3);
    auto first = std::make_shared<Receiver>();
    auto second = std::make_shared<Receiver>();
    request("0320", first);
    request("0320", second);
    request("0320");
    EXPECT_EQ(datasource()->tileRequestsInFlight(), 1U);
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(requestCount(kTiles), 1U);
    ASSERT_EQ(tiles().size(), 3U);
    EXPECT_EQ(tiles()[0].tile, tiles()[2].tile);
    EXPECT_TRUE(tiles()[0].tile->tileImageData());
    // The picture decoded when the answer was checked travels with the tile.
    ASSERT_TRUE(tiles()[0].tile->decodedImage());
    EXPECT_EQ(tiles()[0].tile->decodedImage()->width(), 256);
    EXPECT_EQ(tiles()[0].tile->mapRect(), platform::map::MapRect(1, 2, 3, 4));
    EXPECT_EQ(tiles()[1].receiver.lock(), second);
    EXPECT_TRUE(tiles()[2].receiver.expired());
}

TEST_F(QOVTileServerDatasourceTest, FailedAnswersAreRetriedOnceThenDeliveredWithoutData) {
    const std::string pattern = "/TileServer/*/radar/*";
    for (const qovsim::Fault& failure : {faultOf(pattern, 404), faultOf(pattern, 0, true),
                                         faultOf(pattern, 0, false, true), faultOf(pattern, 0, false, false, true)}) {
        const std::string name = failure.toJson().dump();
        sim().clearRequestLog();
        m_results->tiles.clear();
        addFault(failure);
        request("0320", nullptr, std::string("202701150700"));  // a forecast frame asks the ff form of the URL
        request("0321");
        ASSERT_TRUE(waitUntilIdle()) << name;
        // curl itself sends a request once more when a reused connection closes without an answer.
        for (const std::string& path : {std::string(kTiles), std::string("/TileServer/ff/radar/202701150700/*")}) {
            EXPECT_GE(requestCount(path), 2U) << name;
            EXPECT_LE(requestCount(path), failure.dropConnection ? 4U : 2U) << name;
        }
        ASSERT_EQ(tiles().size(), 2U) << name;
        for (const auto& result : tiles()) {
            EXPECT_FALSE(result.tile->tileImageData()) << name;
            EXPECT_FALSE(result.tile->decodedImage()) << name;
            EXPECT_EQ(result.masterSeriesDate.has_value(), result.tile->quadKey() == "0320");
        }
        sim().faults().clear();
        advance(FailedTileBackOff::kLongestPause);  // the next fault asks for the same tiles
    }
}

TEST_F(QOVTileServerDatasourceTest, AFailedTileIsNotAskedForDuringItsPauseYetEveryRequestIsAnswered) {
    addFault(faultOf(kTiles, 500));
    request("0320");
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(requestCount(kTiles), 2U);  // asked, and retried once
    // Seconds after the previous request, and the requests the server has received by then.
    const std::vector<std::pair<double, std::size_t>> asks{{9.5, 2}, {0.5, 4}, {19.5, 4}, {0.5, 6}, {39.5, 6}};
    for (const auto& [seconds, received] : asks) {
        advance(seconds);
        const std::size_t answered = tiles().size();
        request("0320");
        EXPECT_EQ(tiles().size(), answered) << "answered on a later turn";
        ASSERT_TRUE(qovtest::pumpUntil(
            [&] { return datasource()->tileRequestsInFlight() == 0 && tiles().size() == answered + 1; }));
        EXPECT_FALSE(tiles().back().tile->tileImageData());
        EXPECT_EQ(requestCount(kTiles), received) << "at " << clock().now().secondsSince1970;
    }
    // The server answers again: the tile comes once its pause is over, and its failures are forgotten.
    sim().faults().clear();
    advance(0.5);
    request("0320");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(tiles().back().tile->tileImageData());
    addFault(faultOf(kTiles, 500));
    for (const double seconds : {0.0, 10.0}) {
        advance(seconds);
        request("0320");
        ASSERT_TRUE(waitUntilIdle());
    }
    EXPECT_EQ(requestCount(kTiles), 11U) << "a first failure again: 10 s";
}

TEST_F(QOVTileServerDatasourceTest,
       AfterRetryingNowEveryFailedTileIsAskedForAtOnceAndOneFailingMeanwhileStartsNoPause) {
    addFault(faultOf(kTiles, 500));
    request("0320");
    ASSERT_TRUE(waitUntilIdle());
    auto slowFailure = faultOf(kTiles, 500);
    slowFailure.delaySeconds = 0.2;
    addFault(slowFailure);
    datasource()->retryFailedTilesNow();
    request("0320");
    datasource()->retryFailedTilesNow();  // while the tile is being asked for
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestCount(kTiles), 4U);
    addFault(faultOf(kTiles, 500));
    request("0320");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestCount(kTiles), 6U);
}

TEST_F(QOVTileServerDatasourceTest, CancellingRemovesOnlyThatReceiverAndAnEmptiedTransferStops) {
    delayTiles(0.5);
    auto leaving = std::make_shared<Receiver>();
    auto staying = std::make_shared<Receiver>();
    request("0320", leaving);
    request("0320", staying);
    request("0321", leaving);
    datasource()->cancelAllTileRequestsForDelegate(leaving);
    EXPECT_EQ(datasource()->tileRequestsInFlight(), 1U);
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(tiles().size(), 1U);
    EXPECT_EQ(tiles()[0].receiver.lock(), staying);
    EXPECT_EQ(tiles()[0].tile->quadKey(), "0320");
}

TEST_F(QOVTileServerDatasourceTest, OnlyAParsedSeriesListReachesTheCaller) {
    const std::string path = "/TileServer/serieslist.do";
    for (const qovsim::Fault& failure :
         {faultOf(path, 500), faultOf(path, 0, true), faultOf(path, 0, false, false, true), faultOf("/none")}) {
        m_results->configurations.clear();
        addFault(failure);
        for (int joined = 0; joined < 2; ++joined) {
            datasource()->requestSeriesListFromServer(
                [results = m_results](const auto& configuration) { results->configurations.push_back(configuration); });
        }
        ASSERT_TRUE(waitUntilIdle());
        EXPECT_EQ(m_results->configurations.size(), failure.pathPattern == path ? 0U : 2U) << failure.toJson().dump();
        sim().faults().clear();
    }
    ASSERT_EQ(m_results->configurations.size(), 2U);
    EXPECT_EQ(m_results->configurations[0], m_results->configurations[1]);
    // Joined requests: one each (curl sends the dropped one once more on a reused connection).
    EXPECT_GE(requestCount(path), 4U);
    EXPECT_LE(requestCount(path), 5U);
}

}  // namespace
}  // namespace qov
