#include "app/core/model/QOVPointOfInterest.h"

#include <gtest/gtest.h>

#include <regex>

#include "app/core/model/QOVLocationIdentity.h"

namespace qov {
namespace {

TEST(QOVPointOfInterestTest, IsAnAnnotationTitledWithItsNameAndTemperatureThatOpensAsALocation) {
    QOVPointOfInterest point;
    point.setPoiType(9);
    point.setPointId("KATL");
    point.setLatitude(33.6367F);
    point.setLongitude(-84.4281F);
    point.setTemperature(-7);
    point.setSevere(true);
    EXPECT_EQ(point.title(), " (-7°)");
    point.setDnam("Hartsfield");
    EXPECT_EQ(point.title(), "Hartsfield (-7°)");
    EXPECT_EQ(point.subtitle(), "");
    EXPECT_EQ(point.coordinate().latitude, static_cast<double>(33.6367F));
    QOVPointOfInterest::setTemperatureWriter([](std::int32_t fahrenheit) { return std::to_string(fahrenheit) + "F"; });
    EXPECT_EQ(point.title(), "Hartsfield (-7F)");
    QOVPointOfInterest::setTemperatureWriter(nullptr);

    EXPECT_EQ(point.locationIdentity()->type(), 9);
    EXPECT_EQ(point.locationIdentity()->key(), "KATL");
    EXPECT_TRUE(
        std::regex_match(point.description(), std::regex(R"(\([0-9a-f]+\) id=KATL, dnam=Hartsfield, )"
                                                         R"(lat=33\.636700, long=-84\.428101, severe=YES, temp=-7)")))
        << point.description();
}

}  // namespace
}  // namespace qov
