// The pollen readings of the stand-in's United States places through the year, north and south of the equator,
// from a gazetteer of the test's own (--data-dir).
#include <fstream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/base/Clock.h"
#include "sim/ServiceKey.h"
#include "sim/SimServer.h"
#include "tests/support/TempHome.h"

namespace qovsim {
namespace {

using nlohmann::json;

// Noon in Pago Pago (UTC-11) and 19:00 in Atlanta, mid-month: the three days read lie in the same month.
constexpr double kMidJanuary = 1800054000.0;  // 2027-01-15 23:00 UTC
constexpr double kMidJuly = 1784156400.0;     // 2026-07-15 23:00 UTC
constexpr double kMidOctober = 1792105200.0;  // 2026-10-15 23:00 UTC

// Pago Pago, a United States place south of the equator and warm all year, beside Atlanta.
constexpr const char* kPlaces =
    "key\ttype\tname\tcity\tstate\tpostalCode\tcountry\tcountryCode\tdma\tregion4\tregion9\tlatitude\tlongitude\t"
    "elevation\ttimeZone\tcoastal\n"
    "USAS0001\t1\tPago Pago, AS\tPago Pago\tAS\t96799\tAmerican Samoa\tUS\t\t\t\t-14.2756\t-170.7020\t5\t"
    "Pacific/Pago_Pago\t1\n"
    "USGA0028\t1\tAtlanta, GA\tAtlanta\tGA\t30303\tUnited States\tUS\t524\tS\tSATL\t33.7490\t-84.3880\t320\t"
    "America/New_York\t0\n";

// The least and the most a reading may be on each of the three days: the season's share of the scale from 0 (None)
// to 4 (Very High), weakened by up to two fifths by the day's own variation.
struct Reading {
    int least;
    int most;
};

struct SeasonCase {
    const char* name;
    const char* key;
    double now;
    Reading tree, grass, weed;
};

void PrintTo(const SeasonCase& season, std::ostream* out) { *out << season.name; }

class PollenSeasonTest : public ::testing::TestWithParam<SeasonCase> {
protected:
    PollenSeasonTest() { std::ofstream(m_data.path() / "places.tsv") << kPlaces; }

    // The "Pollen" section of the place's aggregate at the time.
    json pollen(const std::string& key, double now) {
        SimServer::Options options;
        options.clock = std::make_shared<platform::ManualClock>(platform::Date{now});
        options.dataDirectory = m_data.path();
        const SimServer server(options);
        SimRequest request;
        request.path = "/wxdata/mobile/mobagg/" + key + ":1.js";
        request.query.emplace("key", ServiceKey::expected());
        const json root = json::parse(server.respond(request).body, nullptr, false);
        return root.is_array() && root.size() == 1 ? root[0].value("Pollen", json()) : json();
    }

private:
    qovtest::TempHome m_data;
};

TEST_P(PollenSeasonTest, EachTypeReadsItsSeasonInThePlacesHemisphere) {
    const SeasonCase& season = GetParam();
    const json readings = pollen(season.key, season.now);
    ASSERT_TRUE(readings.is_array());
    ASSERT_EQ(readings.size(), 9U) << "three types on each of three days";
    const std::vector<std::pair<std::string, Reading>> expected{
        {"Tree", season.tree}, {"Grass", season.grass}, {"Weed", season.weed}};
    const std::vector<std::string> descriptions{"None", "Low", "Moderate", "High", "Very High"};
    for (std::size_t index = 0; index < readings.size(); ++index) {
        const json& day = readings[index]["day"];
        const auto& [type, reading] = expected[index % 3];
        SCOPED_TRACE(type + " on day " + std::to_string(index / 3));
        ASSERT_EQ(day.value("indexType", ""), type);
        const int value = day.value("value", -1);
        EXPECT_GE(value, reading.least);
        EXPECT_LE(value, reading.most);
        if (reading.least == reading.most) {
            EXPECT_EQ(day.value("description", ""), descriptions[static_cast<std::size_t>(reading.least)]);
        }
    }
}

// Trees flower from February to May (strongest in April), grasses from March to September (June), weeds from May to
// November (September), by the northern calendar; south of the equator the calendar turns half a year.
INSTANTIATE_TEST_SUITE_P(
    Places, PollenSeasonTest,
    ::testing::Values(SeasonCase{"PagoPagoInOctoberItsApril", "USAS0001", kMidOctober, {2, 4}, {1, 1}, {0, 0}},
                      SeasonCase{"PagoPagoInJulyItsJanuary", "USAS0001", kMidJuly, {0, 0}, {0, 0}, {0, 0}},
                      SeasonCase{"PagoPagoInJanuaryItsJuly", "USAS0001", kMidJanuary, {0, 0}, {2, 3}, {1, 2}},
                      SeasonCase{"AtlantaInOctober", "USGA0028", kMidOctober, {0, 0}, {0, 0}, {1, 2}},
                      SeasonCase{"AtlantaInJuly", "USGA0028", kMidJuly, {0, 0}, {2, 3}, {1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qovsim
