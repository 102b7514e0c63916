#include "app/legacymaps/series/QOVTileSeries.h"

#include <fmt/format.h>

#include "app/legacymaps/series/QOVTileSeriesListener.h"
#include "tests/app/legacymaps/LegacyMapsFixture.h"

namespace {

using qov::MapOverlayType;
using qov::QOVTileSeries;

constexpr const char* kListPath = "/TileServer/serieslist.do";

struct CountingListener : qov::QOVTileSeriesListener {
    void seriesDataLoaded() override { ++loads; }
    int loads = 0;
};

class QOVTileSeriesTest : public qovtest::LegacyMapsFixture {
protected:
    void SetUp() override {
        LegacyMapsFixture::SetUp();
        m_series = QOVTileSeries::create(simUrl(), simUrl());
        m_series->addListener(m_listener);
    }

    // Moves the clock to the next poll and waits for its outcome to land.
    bool poll(double seconds, std::size_t expectedRequests) {
        advance(seconds);
        return qovtest::pumpUntil([&] {
            return requestCount(kListPath) >= expectedRequests && qov::MainQueue::sharedQueue().operationCount() == 0;
        });
    }

    std::shared_ptr<QOVTileSeries> m_series;
    std::shared_ptr<CountingListener> m_listener = std::make_shared<CountingListener>();
};

TEST_F(QOVTileSeriesTest, AsksOneSecondAfterCreationThenEveryFiveMinutes) {
    advance(0.9);
    EXPECT_EQ(requestCount(kListPath), 0U);
    ASSERT_TRUE(poll(0.1, 1));
    EXPECT_TRUE(m_series->loaded());
    EXPECT_EQ(m_listener->loads, 1);
    EXPECT_EQ(sim().requestLog().front().queryValue("count"), "36");
    EXPECT_EQ(m_series->localZone(), "EST");

    const auto future = m_series->layerWithType(MapOverlayType::radarOverlay(), true);
    ASSERT_NE(future, nullptr);
    EXPECT_TRUE(future->isFuture());
    EXPECT_EQ(m_series->layerWithType(MapOverlayType::euroRadarOverlay(), false)->name(), "eurorad");
    EXPECT_EQ(m_series->layerWithType(MapOverlayType::temperatureOverlay(), false)->name(), "temp");
    EXPECT_EQ(m_series->layerWithType(MapOverlayType::temperatureOverlay(), true), nullptr);

    advance(299.0);
    EXPECT_EQ(requestCount(kListPath), 1U);
    ASSERT_TRUE(poll(1.0, 2));
    EXPECT_EQ(m_listener->loads, 2);
}

TEST_F(QOVTileSeriesTest, FailedRefreshesKeepTheModelTellNobodyAndPollAgain) {
    ASSERT_TRUE(poll(1.0, 1));
    const auto refreshed = m_series->lastRefreshed();
    const auto radar = m_series->layerWithName("radar");

    struct Fault {
        const char* name;
        int status;
        bool malform;
    };
    std::size_t requests = 1;
    for (const Fault fault : {Fault{"server error", 500, false}, Fault{"undecodable", 0, true}}) {
        sim().faults().add(qovsim::Fault{.status = fault.status, .malformBody = fault.malform});
        requests += fault.status ? 3 : 1;
        ASSERT_TRUE(poll(300.0, requests)) << fault.name;
        EXPECT_EQ(m_listener->loads, 1) << fault.name;
        EXPECT_EQ(m_series->lastRefreshed(), refreshed) << fault.name;
        EXPECT_EQ(m_series->layerWithName("radar"), radar) << fault.name;
        sim().faults().clear();
    }
    ASSERT_TRUE(poll(300.0, requests + 1));
    EXPECT_EQ(m_listener->loads, 2);
}

TEST_F(QOVTileSeriesTest, AnAnswerThatIsNotASeriesListIsAFailure) {
    m_series->requestComplete("load-tile-series", platform::Dictionary{{"name", "html"}});
    m_series->requestComplete("load-tile-series", platform::Value());
    EXPECT_FALSE(m_series->loaded());
    EXPECT_EQ(m_listener->loads, 0);
    ASSERT_TRUE(poll(300.0, 1));
    EXPECT_TRUE(m_series->loaded());
}

TEST_F(QOVTileSeriesTest, TileUrlsEncodeEverySegmentAndRefuseUnsafeOnes) {
    struct Case {
        const char* seriesId;
        const char* quadKey;
        const char* time;
        const char* path;
        std::string expected;
    };
    const std::string base = simUrl("/TileServer/");
    const Case cases[] = {
        {"radar", "0231", "u1799999700000", "imgs", base + "imgs/radar/u1799999700000/0231.png"},
        {"future_radar_ff", "0231", "u1/u2", "ff", base + "ff/future_radar_ff/u1/u2/0231.png"},
        {"my layer", "0", "u1", "imgs", base + "imgs/my%20layer/u1/0.png"},
        {"radar", "", "u1", "imgs", ""},
        {"radar", "0", "u1/../x", "imgs", ""},
        {"radar", "0", "", "imgs", ""},
        {"a/b", "0", "u1", "imgs", ""},
        {"radar", "0", "u1//u2", "ff", ""},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(m_series->buildImageURL(each.seriesId, each.quadKey, each.time, each.path), each.expected)
            << each.seriesId << " " << each.time;
    }
}

TEST_F(QOVTileSeriesTest, TileHostsCarryTheQuadKeysLastDigit) {
    const auto series = QOVTileSeries::create(simUrl(), "http://t%@.localhost:8080");
    for (const char* quadKey : {"0", "0231", "32", "0003"}) {
        const std::string digit(1, std::string_view(quadKey).back());
        EXPECT_EQ(series->buildImageURL("radar", quadKey, "u1", "imgs"),
                  fmt::format("http://t{}.localhost:8080/TileServer/imgs/radar/u1/{}.png", digit, quadKey));
    }
}

}  // namespace
