#include <gtest/gtest.h>

#include <limits>

#include "app/core/model/QOVPointOfInterest.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using qovtest::readModelFixture;

class QOVModelFactorySearchAndPointsTest : public qovtest::FactoryTest {};

TEST_F(QOVModelFactorySearchAndPointsTest, TypeAheadResultsReadCountryCodeFromCountry) {
    const auto results = factory().typeAheadLocationsUsingJSON(readModelFixture("typeahead-results.json"));
    ASSERT_EQ(results.size(), 3U);
    EXPECT_EQ(results[0]->postalCode(), "30303");
    EXPECT_EQ(results[0]->countryCode(), "US");
    EXPECT_EQ(results[0]->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(results[1]->identifierAsString(), "30303:4");
    EXPECT_EQ(results[2]->countryCode(), "GB");
    EXPECT_EQ(results[2]->displayName(), "London, ENG, United Kingdom");
}

TEST_F(QOVModelFactorySearchAndPointsTest, TypeAheadErrorsOrUnusableAnswersGiveNoResults) {
    EXPECT_TRUE(factory().typeAheadLocationsUsingJSON(readModelFixture("typeahead-errors.json")).empty());
    for (const char* json :
         {"", "nonsense", "[]", "null", R"({"results":{"type":1}})", R"({"errors":"bad","results":[{"key":"k"}]})",
          R"({"errors":{"e":1},"results":[{"key":"k"}]})", R"({"errors":0,"results":[{"key":"k"}]})",
          R"({"class":"error","type":"401","cat":"key","text":"Invalid key"})"}) {
        EXPECT_TRUE(factory().typeAheadLocationsUsingJSON(json).empty()) << json;
    }
    for (const char* json :
         {R"({"results":[{"key":"k"}]})", R"({"errors":[],"results":[{"key":"k"}]})",
          R"({"errors":{},"results":[{"key":"k"}]})", R"({"errors":null,"results":[{"key":"k"}]})"}) {
        EXPECT_EQ(factory().typeAheadLocationsUsingJSON(json).size(), 1U) << json;
    }
}

TEST_F(QOVModelFactorySearchAndPointsTest, TypeAheadNullsAndWrongKindsReadAsAbsent) {
    const auto results = factory().typeAheadLocationsUsingJSON(readModelFixture("typeahead-nulls.json"));
    ASSERT_EQ(results.size(), 2U);
    EXPECT_EQ(results[0]->key(), "");
    EXPECT_EQ(results[1]->type(), 0);
    EXPECT_EQ(results[1]->name(), "12");
    EXPECT_EQ(results[1]->postalCode(), "30303");
    EXPECT_EQ(results[1]->countryCode(), "true");
}

TEST_F(QOVModelFactorySearchAndPointsTest, PointsComeOnlyFromObjectsAndOnlyFalseExactlyIsNotSevere) {
    const auto points = factory().pointOfInterestUsingJSON(readModelFixture("poi-tile.json"));
    ASSERT_EQ(points.size(), 4U);
    EXPECT_EQ(points[0]->pointId(), "USGA0028");
    EXPECT_EQ(points[0]->longitude(), -84.388F);
    EXPECT_EQ(points[0]->lastUpdate(), "2027-01-15 07:55");
    EXPECT_FALSE(points[0]->hasSevereAlert());
    // Numbers where texts are expected read through their text.
    EXPECT_EQ(points[1]->latitude(), 33.9526F);
    EXPECT_EQ(points[1]->temperature(), 39);
    EXPECT_TRUE(points[1]->hasSevereAlert());   // absent
    EXPECT_TRUE(points[2]->hasSevereAlert());   // "False"
    EXPECT_FALSE(points[3]->hasSevereAlert());  // JSON false reads as the text "false"
}

TEST_F(QOVModelFactorySearchAndPointsTest, PointNullsAndWildNumbersReadAsAbsentOrSaturated) {
    const auto points = factory().pointOfInterestUsingJSON(readModelFixture("poi-nulls.json"));
    ASSERT_EQ(points.size(), 3U);
    EXPECT_TRUE(points[0]->hasSevereAlert());
    EXPECT_EQ(points[1]->latitude(), 0.0F);  // beyond single precision
    EXPECT_EQ(points[1]->longitude(), 0.0F);
    EXPECT_EQ(points[1]->temperature(), std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(points[1]->hasSevereAlert());
    for (const char* json : {"", "[]", "{}", "[", "null", "\"x\"", R"({"class":"error","text":"Invalid key"})"}) {
        EXPECT_TRUE(factory().pointOfInterestUsingJSON(json).empty()) << json;
    }
}

}  // namespace
}  // namespace qov
