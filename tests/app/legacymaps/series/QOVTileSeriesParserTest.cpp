#include "app/legacymaps/series/QOVTileSeriesParser.h"

#include <gtest/gtest.h>

#include "app/core/xml/XMLParseUtilities.h"

namespace {

using qov::QOVTileSeriesParser;

std::optional<QOVTileSeriesParser> parse(const std::string& xml) {
    const auto nodes = qov::PerformXMLAllNodesQuery(xml);
    QOVTileSeriesParser parser;
    if (!nodes || nodes->empty() || !parser.parse(nodes->front())) {
        return std::nullopt;
    }
    return parser;
}

constexpr const char* kList = R"(<tiles timestamp=" 202701150800 " localZone="" offset="3600000x">
<seriesInfo>
  <radar maxZoom="12" native="1" nativeZoom=" 7"><series date="a" unixDate="100"/><series date="b" unixDate="200"/></radar>
  <future_radar_ff maxZoom="10"><series date="run" unixDate="300">
    <ff date="p" unixDate="290" offset="-15" isPast="true"/>
    <ff date="f1" unixDate="310" offset="15" isPast="false"/>
    <ff date="f2" unixDate="320" offset="30"/>
  </series><series date="older" unixDate="0"><ff date="x" unixDate="1"/></series></future_radar_ff>
  <sat maxZoom="1"/><sat maxZoom="9"/>
</seriesInfo>
<seriesinfo><uv maxZoom="3"/></seriesinfo>
</tiles>)";

TEST(QOVTileSeriesParserTest, ReadsLayersSeriesAndFramesThatAreNotPast) {
    const auto parser = parse(kList);
    ASSERT_TRUE(parser);
    EXPECT_EQ(parser->timeStamp(), "202701150800");
    EXPECT_EQ(parser->localZone(), "");
    EXPECT_EQ(parser->offset(), 3600000);
    ASSERT_EQ(parser->layers().size(), 3U);  // the lower-case "seriesinfo" is not read
    EXPECT_EQ(parser->layers().at("sat")->maxZoom(), 9);

    const auto& radar = *parser->layers().at("radar");
    EXPECT_FALSE(radar.isFuture());
    EXPECT_EQ(radar.nativeZoom(), 7);
    EXPECT_EQ(radar.numberOfSeries(), 2U);
    EXPECT_EQ(radar.seriesForTimeSlice(1)->date(), "b");
    EXPECT_EQ(radar.seriesForTimeSlice(-1), nullptr);
    EXPECT_EQ(radar.seriesForTimeSlice(2), nullptr);
    EXPECT_EQ(radar.seriesForTimeSlice(0)->dateForRequest(), "u100");

    const auto& future = *parser->layers().at("future_radar_ff");
    EXPECT_TRUE(future.isFuture());
    EXPECT_EQ(future.numberOfSeries(), 2U);
    EXPECT_EQ(future.seriesForTimeSlice(0)->date(), "f1");
    EXPECT_EQ(future.seriesForTimeSlice(1)->offset(), 30);
    EXPECT_EQ(future.seriesForTimeSlice(2), nullptr);
    EXPECT_EQ(future.hiRadUnixDate(), "300");
}

TEST(QOVTileSeriesParserTest, RefusesOtherDocumentsAndUnsafeDates) {
    EXPECT_FALSE(parse("<html><body>500</body></html>"));
    EXPECT_FALSE(parse("<seriesInfo/>"));
    const auto empty = parse("<tiles/>");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->layers().empty());
    const auto unsafe = parse(R"(<tiles><seriesInfo><radar><series unixDate="1/2"/><series unixDate="..1"/>
        <series/></radar></seriesInfo></tiles>)");
    ASSERT_TRUE(unsafe);
    for (std::int64_t slice = 0; slice < 3; ++slice) {
        EXPECT_EQ(unsafe->layers().at("radar")->seriesForTimeSlice(slice)->dateForRequest(), "") << slice;
    }
}

}  // namespace
