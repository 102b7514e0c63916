#include "app/core/model/QOVPointOfInterest.h"

#include <gtest/gtest.h>

#include <regex>

#include "app/core/model/QOVLocationIdentity.h"

namespace qov {
namespace {

QOVPointOfInterest airport(std::string name) {
    QOVPointOfInterest point;
    point.setPoiType(9);
    point.setPointId("KATL");
    point.setDnam(std::move(name));
    point.setLatitude(33.6367F);
    point.setLongitude(-84.4281F);
    point.setTemperature(-7);
    point.setSevere(true);
    return point;
}

TEST(QOVPointOfInterestTest, IsAnAnnotationTitledWithItsNameAndTemperature) {
    const QOVPointOfInterest named = airport("Hartsfield");
    EXPECT_EQ(named.title(), "Hartsfield (-7°)");
    EXPECT_EQ(airport("").title(), " (-7°)");
    EXPECT_EQ(named.subtitle(), "");
    EXPECT_EQ(named.coordinate().latitude, static_cast<double>(33.6367F));
    EXPECT_EQ(named.coordinate().longitude, static_cast<double>(-84.4281F));

    QOVPointOfInterest::setTemperatureWriter([](std::int32_t fahrenheit) { return std::to_string(fahrenheit) + "F"; });
    EXPECT_EQ(named.title(), "Hartsfield (-7F)");
    QOVPointOfInterest::setTemperatureWriter(nullptr);
    EXPECT_EQ(named.title(), "Hartsfield (-7°)");
}

TEST(QOVPointOfInterestTest, OpensAsALocationAndDescribesItself) {
    const QOVPointOfInterest point = airport("Hartsfield");
    const auto identity = point.locationIdentity();
    EXPECT_EQ(identity->type(), 9);
    EXPECT_EQ(identity->key(), "KATL");
    EXPECT_TRUE(std::regex_match(point.description(),
                                 std::regex(R"(\([0-9a-f]+\) id=KATL, dnam=Hartsfield, lat=33\.636700, )"
                                            R"(long=-84\.428101, severe=YES, temp=-7)")))
        << point.description();
}

}  // namespace
}  // namespace qov
