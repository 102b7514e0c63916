#include "app/maps/datasource/QOVTileServerDatasource.h"

#include <gtest/gtest.h>

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
            "radar", m_date, master, quadKey, platform::map::MapRect(1, 2, 3, 4),
            [results = m_results](const TileRequestResult& result) { results->tiles.push_back(result); }, receiver);
    }
    void requestSeriesList() {
        datasource()->requestSeriesListFromServer([results = m_results](const auto& configuration) {
            results->configurations.push_back(configuration);
        });
    }
    bool waitUntilIdle() {
        return qovtest::pumpUntil([this] {
            return datasource()->tileRequestsInFlight() == 0 && datasource()->tileOperationQueue().operationCount() == 0 &&
                   datasource()->operationQueue().operationCount() == 0;
        });
    }
    const std::vector<TileRequestResult>& tiles() const { return m_results->tiles; }

    const std::string m_date = newestDate("radar");
    const std::string m_tilePattern = "/TileServer/imgs/radar/*";
    std::shared_ptr<Results> m_results = std::make_shared<Results>();
};

TEST_F(QOVTileServerDatasourceTest, RequestsForATileInFlightJoinItAndAllReceiveTheOneResult) {
    auto fault = this->fault(m_tilePattern);
    fault.delaySeconds = 0.3;
    addFault(fault);
    auto first = std::make_shared<Receiver>();
    auto second = std::make_shared<Receiver>();
    request("0320", first);
    request("0320", second);
    request("0320");
    EXPECT_EQ(datasource()->tileRequestsInFlight(), 1U);
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(requestCount(m_tilePattern), 1U);
    ASSERT_EQ(tiles().size(), 3U);
    EXPECT_EQ(tiles()[0].tile, tiles()[2].tile);
    EXPECT_TRUE(tiles()[0].tile->tileImageData());
    EXPECT_EQ(tiles()[0].tile->mapRect(), platform::map::MapRect(1, 2, 3, 4));
    EXPECT_EQ(tiles()[1].receiver.lock(), second);
    EXPECT_TRUE(tiles()[2].receiver.expired());
}

TEST_F(QOVTileServerDatasourceTest, FailedAnswersAreRetriedOnceThenDeliveredWithoutData) {
    struct Case {
        const char* name;
        int status;
        bool malform;
        bool truncate;
        bool drop;
    };
    for (const Case& test : {Case{"404", 404, false, false, false}, Case{"not a PNG", 0, true, false, false},
                             Case{"half a PNG", 0, false, true, false}, Case{"dropped", 0, false, false, true}}) {
        sim().clearRequestLog();
        m_results->tiles.clear();
        auto fault = this->fault("/TileServer/*/radar/*");
        fault.status = test.status;
        fault.malformBody = test.malform;
        fault.truncateBody = test.truncate;
        fault.dropConnection = test.drop;
        addFault(fault);
        request("0320", nullptr, std::string("202701150700"));  // a forecast frame asks the ff form of the URL
        request("0321");
        ASSERT_TRUE(waitUntilIdle()) << test.name;
        // curl itself sends a request once more when a reused connection closes without an answer.
        const std::size_t most = test.drop ? 4U : 2U;
        for (const std::string& pattern : {m_tilePattern, std::string("/TileServer/ff/radar/202701150700/*")}) {
            EXPECT_GE(requestCount(pattern), 2U) << test.name;
            EXPECT_LE(requestCount(pattern), most) << test.name;
        }
        ASSERT_EQ(tiles().size(), 2U) << test.name;
        for (const auto& result : tiles()) {
            EXPECT_FALSE(result.tile->tileImageData()) << test.name;
            EXPECT_EQ(result.masterSeriesDate.has_value(), result.tile->quadKey() == "0320");
        }
        sim().faults().clear();
    }
}

TEST_F(QOVTileServerDatasourceTest, ARetryThatSucceedsDeliversTheImage) {
    auto fault = this->fault(m_tilePattern);
    fault.delaySeconds = 0.3;
    fault.dropConnection = true;
    addFault(fault);
    request("0320");
    ASSERT_TRUE(qovtest::pumpUntil([this] { return requestCount(m_tilePattern) == 1; }));
    sim().faults().clear();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestCount(m_tilePattern), 2U);
    ASSERT_EQ(tiles().size(), 1U);
    EXPECT_TRUE(tiles()[0].tile->tileImageData());
}

TEST_F(QOVTileServerDatasourceTest, CancellingRemovesOnlyThatReceiverAndAnEmptiedTransferStops) {
    auto fault = this->fault(m_tilePattern);
    fault.delaySeconds = 0.5;
    addFault(fault);
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

    request("0322", staying);
    datasource()->cancelAllTileRequests();
    EXPECT_EQ(datasource()->tileRequestsInFlight(), 0U);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(tiles().size(), 1U);
    EXPECT_LE(requestCount("/TileServer/imgs/radar/*/0322.png"), 1U);
}

TEST_F(QOVTileServerDatasourceTest, UnusableNamesAreNeverRequested) {
    datasource()->requestTileDataForLayer(
        "../radar", m_date, std::nullopt, "0320", {}, [results = m_results](const auto& result) { results->tiles.push_back(result); },
        nullptr);
    datasource()->requestTileDataForLayer(
        "radar", m_date, std::nullopt, "04?x=1", {}, [results = m_results](const auto& result) { results->tiles.push_back(result); },
        nullptr);
    ASSERT_TRUE(qovtest::pumpUntil([this] { return tiles().size() == 2; }));
    EXPECT_FALSE(tiles()[1].tile->tileImageData());
    EXPECT_TRUE(sim().requestLog().empty());
}

TEST_F(QOVTileServerDatasourceTest, OnlyAParsedSeriesListReachesTheCaller) {
    struct Case {
        const char* name;
        int status;
        bool malform;
        bool drop;
        bool delivered;
    };
    for (const Case& test : {Case{"500", 500, false, false, false}, Case{"malformed", 0, true, false, false},
                             Case{"dropped", 0, false, true, false}, Case{"good", 0, false, false, true}}) {
        m_results->configurations.clear();
        auto fault = this->fault("/TileServer/serieslist.do");
        fault.status = test.status;
        fault.malformBody = test.malform;
        fault.dropConnection = test.drop;
        if (test.status != 0 || test.malform || test.drop) {
            addFault(fault);
        }
        requestSeriesList();
        requestSeriesList();
        ASSERT_TRUE(waitUntilIdle()) << test.name;
        EXPECT_EQ(m_results->configurations.size(), test.delivered ? 2U : 0U) << test.name;
        sim().faults().clear();
    }
    // Joined requests: one each (curl sends the dropped one once more on a reused connection).
    EXPECT_GE(requestCount("/TileServer/serieslist.do"), 4U);
    EXPECT_LE(requestCount("/TileServer/serieslist.do"), 5U);
    EXPECT_EQ(m_results->configurations[0], m_results->configurations[1]);
}

}  // namespace
}  // namespace qov
