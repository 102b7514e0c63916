#include "app/core/model/QOVTropicalStorm.h"

#include <gtest/gtest.h>

#include "app/core/model/TropicalStormCacheContainer.h"
#include "tests/app/core/model/ModelTestSupport.h"

namespace qov {
namespace {

class QOVTropicalStormTest : public qovtest::ManualClockTest {};

TEST_F(QOVTropicalStormTest, OnlyANewIdDecidesWhetherTheStormIsAtlantic) {
    QOVTropicalStorm storm;
    EXPECT_EQ(storm.createdDate().secondsSince1970, qovtest::kFixtureTime);
    storm.setStormId("AL142027");
    EXPECT_TRUE(storm.isAtlanticStorm());
    storm.setStormId("EP092027");
    EXPECT_FALSE(storm.isAtlanticStorm());
    storm.setStormId("CPAL01");
    EXPECT_TRUE(storm.isAtlanticStorm());
    storm.setStormId("al012027");
    EXPECT_FALSE(storm.isAtlanticStorm());
    EXPECT_EQ(storm.stormId(), "al012027");
}

TEST_F(QOVTropicalStormTest, ANewContainerHoldsNoDataAndNoError) {
    const TropicalStormCacheContainer container;
    EXPECT_EQ(container.createdDate().secondsSince1970, qovtest::kFixtureTime);
    EXPECT_FALSE(container.activeStormData().has_value());
    EXPECT_FALSE(container.dataReceiveError());
}

}  // namespace
}  // namespace qov
