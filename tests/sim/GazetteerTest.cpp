#include "sim/Gazetteer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include "tests/support/TempHome.h"
#include "tests/support/TestPaths.h"

namespace qovsim {
namespace {

const Gazetteer& shipped() {
    static const Gazetteer gazetteer = Gazetteer::load();
    return gazetteer;
}

bool isKnownTimeZone(const std::string& name) {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name)));
    return *zone != icu::TimeZone::getUnknown();
}

TEST(GazetteerTest, ShipsSixtyToOneHundredValidPlacesCoveringTheRequiredCountriesAndKinds) {
    const auto& places = shipped().places();
    EXPECT_GE(places.size(), 60u);
    EXPECT_LE(places.size(), 100u);
    std::set<std::string> identifiers;
    std::set<std::string> countries;
    std::set<int> types;
    for (const Place& place : places) {
        SCOPED_TRACE(place.key);
        countries.insert(place.countryCode);
        types.insert(place.type);
        EXPECT_TRUE(identifiers.insert(place.identifier()).second) << "duplicate";
        EXPECT_LE(std::abs(place.latitude), 90.0);
        EXPECT_LE(std::abs(place.longitude), 180.0);
        EXPECT_FALSE(place.latitude == 0.0 && place.longitude == 0.0);
        EXPECT_TRUE(isKnownTimeZone(place.timeZone)) << place.timeZone;
        if (place.countryCode == "US") {
            EXPECT_EQ(place.postalCode.size(), 5u);
            EXPECT_EQ(place.state.size(), 2u);
        }
        if (place.type == 4) {
            EXPECT_EQ(place.countryCode, "US");
            EXPECT_EQ(place.key, place.postalCode);
        } else {
            EXPECT_EQ(place.key.size(), 8u);
        }
    }
    EXPECT_EQ(types, (std::set<int>{1, 4}));
    for (const char* code : {"US", "GB", "IN", "FR", "CA", "CN"}) {
        EXPECT_TRUE(countries.count(code)) << code;
    }
}

TEST(GazetteerTest, FindsKnownKeysByKeyAndType) {
    const Place* atlanta = shipped().findByKey("USGA0028", 1);
    ASSERT_NE(atlanta, nullptr);
    EXPECT_EQ(atlanta->city, "Atlanta");
    EXPECT_EQ(atlanta->timeZone, "America/New_York");

    EXPECT_EQ(shipped().findByKey("30303", 4)->city, "Atlanta");
    EXPECT_EQ(shipped().findByKey("30303", 1), nullptr);
    EXPECT_EQ(shipped().findByKey("USGA0028", 4), nullptr);
    EXPECT_EQ(shipped().findByKey("../../etc/passwd"), nullptr);

    EXPECT_EQ(shipped().findByIdentifier("30303:4"), shipped().findByKey("30303", 4));
    for (const char* unknown : {"USGA0028", "USGA0028:", "USGA0028:0", "USGA0028:1x", ":1", "NOWHERE:1"}) {
        EXPECT_EQ(shipped().findByIdentifier(unknown), nullptr) << unknown;
    }
}

TEST(GazetteerTest, SearchesNameCityAndPostalCodePrefixesIgnoringCase) {
    ASSERT_FALSE(shipped().search("3030").empty());
    EXPECT_EQ(shipped().search("3030").front()->postalCode, "30303");
    EXPECT_EQ(shipped().search("Portland").size(), 2u);
    EXPECT_EQ(shipped().search("a", 3).size(), 3u);
    EXPECT_TRUE(shipped().search("").empty());
    EXPECT_TRUE(shipped().search("Zzyzx").empty());
}

TEST(GazetteerTest, NearestPlaceByGreatCircleDistance) {
    EXPECT_EQ(shipped().nearest(33.7, -84.4, 1)->key, "USGA0028");
    EXPECT_EQ(shipped().nearest(33.7, -84.4, 4)->key, "30303");
    EXPECT_EQ(shipped().nearest(-33.9, 151.0)->key, "ASXX0112");
    // Across the date line: Auckland is nearer to 179.9 W than anything in the Americas.
    EXPECT_EQ(shipped().nearest(-37.0, -179.9)->key, "NZXX0003");
    EXPECT_EQ(Gazetteer().nearest(0, 0), nullptr);
}

TEST(GazetteerTest, SkipsMalformedLinesAndSurvivesAMissingFile) {
    std::string text =
        "# comment\n"
        "key\ttype\tname\tcity\tstate\tpostalCode\tcountry\tcountryCode\tdma\tregion4\tregion9\tlatitude\t"
        "longitude\televation\ttimeZone\tcoastal\r\n"
        "AAAA0001\t1\tA\tA\t\t\tLand\tXX\t\t\t\t10\t20\t5\tUTC\t0\r\n"
        "BAD\t1\ttoo\tfew\n"
        "BBBB0001\t9\tB\tB\t\t\tLand\tXX\t\t\t\t10\t20\t5\tUTC\t0\n"
        "CCCC0001\t1\tC\tC\t\t\tLand\tXX\t\t\t\t95\t20\t5\tUTC\t0\n"
        "DDDD0001\t1\tD\tD\t\t\tLand\tXX\t\t\t\tnorth\t20\t5\tUTC\t0\n"
        "EEEE0001\t1\tE\tE\t\t\tLand\tXX\t\t\t\t10\t20\t5\tUTC\t1";
    Gazetteer parsed = Gazetteer::parse(text);
    ASSERT_EQ(parsed.places().size(), 2u);
    EXPECT_EQ(parsed.places()[0].key, "AAAA0001");
    EXPECT_EQ(parsed.places()[1].key, "EEEE0001");
    EXPECT_TRUE(parsed.places()[1].coastal);

    qovtest::TempHome home;
    EXPECT_TRUE(Gazetteer::load(home.path()).places().empty());
    std::ofstream(home.path() / "places.tsv") << text;
    EXPECT_EQ(Gazetteer::load(home.path()).places().size(), 2u);
}

TEST(GazetteerTest, TheEnvironmentOverridesTheDataFolder) {
    qovtest::TempHome home;
    ASSERT_EQ(setenv("QOV_SIM_DATA_DIR", home.path().c_str(), 1), 0);
    EXPECT_EQ(Gazetteer::defaultDataDirectory(), home.path());
    EXPECT_TRUE(Gazetteer::load().places().empty());
    unsetenv("QOV_SIM_DATA_DIR");
    EXPECT_EQ(Gazetteer::defaultDataDirectory(), qovtest::simulatorDataDirectory());
}

}  // namespace
}  // namespace qovsim
