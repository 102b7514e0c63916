#include "app/maps/model/MapSeriesBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/SimServer.h"
#include "sim/TileSchedule.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

class MapSeriesBuilderTest : public qovtest::ManualClockFixture {
protected:
    static std::shared_ptr<QOVMapTileConfig> build(std::string_view xml) {
        auto builder = MapSeriesBuilder::create();
        builder->buildWithXML(xml);
        return builder->tileConfig();
    }

    static std::vector<std::string> dates(const QOVMapSeries::List& series) {
        std::vector<std::string> result;
        for (const auto& one : series) {
            result.push_back(one->seriesDate());
        }
        return result;
    }
};

TEST_F(MapSeriesBuilderTest, ReadsTheStandInServersSeriesList) {
    qovsim::SimServer::Options options;
    options.clock = clock();
    const qovsim::SimServer server(options);
    qovsim::SimRequest request;
    request.path = "/TileServer/serieslist.do";
    const auto configuration = build(server.respond(request).body);
    ASSERT_TRUE(configuration);
    EXPECT_EQ(configuration->configCreatedDate(), clock()->now());
    std::vector<std::string> listed;
    for (const auto& layer : qovsim::TileSchedule::layersAt(clock()->now().secondsSince1970)) {
        listed.push_back(layer.type);
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(configuration->allLayers(), listed);
    const auto radar = configuration->tileSeriesForLayer("radar");
    ASSERT_EQ(radar->availableSeries().size(), 24U);

    const auto run = configuration->latestSeriesForLayer("future_radar_ff");
    ASSERT_TRUE(run && run->hasFutureSeries());
    const auto& frames = *run->ffSeries();
    ASSERT_EQ(frames.size(), 13U);
    EXPECT_EQ(frames[0]->masterSeriesDate(), run->seriesDate());
    // Latest first: the forecast frames, then those already past.
    EXPECT_FALSE(frames[0]->isPast());
    EXPECT_TRUE(frames.back()->isPast());
    // Each run keeps its own frames.
    const auto& older = configuration->tileSeriesForLayer("future_radar_ff")->availableSeries()[1];
    EXPECT_EQ((*older->ffSeries())[0]->masterSeriesDate(), older->seriesDate());
}

TEST_F(MapSeriesBuilderTest, DropsWhatCannotBeUsedAndKeepsTheRest) {
    const auto configuration = build(R"(<tiles localZone="CET" offset="3600000"><seriesinfo>
        <series date="stray"/><ff date="stray"/>
        <radar maxZoom="x" nativeZoom="-4"><series date="2"><ff date="f1" isPast="TRUE"/></series>
            <series date=".."/><series date="a/b"/><series/><series date="1"/></radar>
        <ff date="after"/><series date="after"/>
        <future-radar><series date="3"/></future-radar>
        <sat.x><series date="4"/></sat.x>
        <Radar><series date="5"/></Radar>
        <temp><series date="6"><ff date="f2"/><ff date="../up"/></series></temp>
    </seriesinfo></tiles>)");
    ASSERT_TRUE(configuration);
    EXPECT_EQ(configuration->offset(), 3600000.0);
    ASSERT_EQ(configuration->allLayers(), (std::vector<std::string>{"radar", "temp"}));
    const auto radar = configuration->tileSeriesForLayer("radar");
    EXPECT_EQ(radar->maxZoom(), 0U);
    EXPECT_EQ(radar->nativeZoom(), 0U);
    EXPECT_EQ(dates(radar->availableSeries()), (std::vector<std::string>{"2", "1"}));
    EXPECT_FALSE((*radar->availableSeries()[0]->ffSeries())[0]->isPast());
    EXPECT_FALSE(radar->availableSeries()[1]->ffSeries());
    const auto temp = configuration->latestSeriesForLayer("temp");
    EXPECT_EQ(dates(*temp->ffSeries()), std::vector<std::string>{"f2"});
}

TEST_F(MapSeriesBuilderTest, DocumentsThatDoNotParseGiveNoConfiguration) {
    for (const char* xml : {"", "<html><body>500 Internal Server Error</body></html>", "<tiles><seriesinfo>",
                            "<tiles><radar></tiles>", "<!DOCTYPE x [<!ENTITY e \"x\">]><tiles a=\"&e;\"/>"}) {
        EXPECT_FALSE(build(xml)) << xml;
    }
    const auto empty = build("<tiles/>");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->mapLayers().empty());
}

}  // namespace
}  // namespace qov
