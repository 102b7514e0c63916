#include "app/core/model/QOVPOIList.h"

#include <gtest/gtest.h>

#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

class QOVPOIListTest : public qovtest::ManualClockTest {};

std::shared_ptr<QOVPointOfInterest> point(std::string id, float latitude, float longitude) {
    auto result = std::make_shared<QOVPointOfInterest>();
    result->setPoiType(9);
    result->setPointId(std::move(id));
    result->setDnam("Hartsfield");
    result->setLatitude(latitude);
    result->setLongitude(longitude);
    result->setLastUpdate("2027-01-15 07:55");
    result->setSevere(true);
    result->setTemperature(-7);
    return result;
}

TEST_F(QOVPOIListTest, StaleOnlyWhenMoreThanADayOldInWholeSeconds) {
    const QOVPOIList list;
    clock()->advance(86400.0);
    EXPECT_DOUBLE_EQ(list.age(), -86400.0);
    EXPECT_FALSE(list.isStale());
    clock()->advance(0.75);
    EXPECT_FALSE(list.isStale());
    clock()->advance(0.25);
    EXPECT_TRUE(list.isStale());

    const QOVPOIList future;
    clock()->advance(-86402.0);
    EXPECT_TRUE(future.isStale());
}

TEST_F(QOVPOIListTest, ArchiveKeepsPointsExactlyAndSkipsMissingOnes) {
    QOVPOIList list;
    list.setQuadKey("0320101");
    list.setType(9);
    list.setPoiLocations({point("KATL", 33.6366997F, -84.4281006F), nullptr, point("KPDK", 0.1F, -1e-7F)});
    clock()->advance(60.0);
    // The missing point is left out of the archive, so the copy archives exactly as the original.
    const auto restored = qovtest::faithfulRoundTrip(list);
    ASSERT_TRUE(restored);
    ASSERT_EQ(restored->poiLocations().size(), 2U);
    EXPECT_EQ(qovtest::archiveKeys(*restored->poiLocations()[0]),
              qovtest::keys("$class poiType pointId dnam latitude longitude lastUpdate severe temp"));
    EXPECT_EQ(qovtest::archiveKeys(list), qovtest::keys("$class poiLocations quadKey type createdDate"));
}

TEST_F(QOVPOIListTest, HandWrittenArchivesWithoutDatesOrWithWildNumbersStayUsable) {
    const platform::Dictionary hostilePoint{
        {"$class", "QOVPointOfInterest"}, {"latitude", 1e300}, {"longitude", "north"}, {"temp", std::int64_t{1} << 40}};
    const platform::Dictionary root{{"$class", "QOVPOIList"},
                                    {"quadKey", "0"},
                                    {"type", -3},
                                    {"poiLocations", platform::Array{hostilePoint, "text", 5}}};
    const auto list = platform::KeyedUnarchiver::unarchiveObjectOfClass<QOVPOIList>(qovtest::binaryArchiveOf(root));
    ASSERT_TRUE(list);
    // No creation date: counted as made long ago, so the cache fetches the tile again.
    EXPECT_TRUE(list->isStale());
    EXPECT_EQ(list->type(), 0U);
    ASSERT_EQ(list->poiLocations().size(), 1U);
    EXPECT_EQ(list->poiLocations()[0]->latitude(), 0.0F);
    EXPECT_EQ(list->poiLocations()[0]->longitude(), 0.0F);
    EXPECT_EQ(list->poiLocations()[0]->temperature(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace qov
