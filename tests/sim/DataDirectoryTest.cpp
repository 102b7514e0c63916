// The stand-in service over a data folder of the user's own (--data-dir): one without a gazetteer, and one whose
// gazetteer knows no city, answer every place question with what the application takes for "nothing there"; a
// place beyond the polar circle has days without a night and nights without a day.
#include <fstream>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/base/Clock.h"
#include "sim/ServiceKey.h"
#include "sim/SimServer.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace qovsim {
namespace {

using nlohmann::json;

constexpr double kMidsummer = 1782043200.0;  // 2026-06-21 12:00 UTC
constexpr double kMidwinter = 1797854400.0;  // 2026-12-21 12:00 UTC

class DataDirectoryTest : public ::testing::Test {
protected:
    // The answer of a service over the data folder, with the bundle's key, at the time.
    json get(const std::string& path, const std::map<std::string, std::string>& query = {}, double now = kMidsummer) {
        SimServer::Options options;
        options.clock = std::make_shared<platform::ManualClock>(platform::Date{now});
        options.dataDirectory = m_data.path();
        const SimServer server(options);
        SimRequest request;
        request.path = path;
        request.query.emplace("key", ServiceKey::expected());
        request.query.insert(query.begin(), query.end());
        return json::parse(server.respond(request).body, nullptr, false);
    }
    void writePlaces(const std::string& lines) {
        std::ofstream(m_data.path() / "places.tsv")
            << "key\ttype\tname\tcity\tstate\tpostalCode\tcountry\tcountryCode\tdma\tregion4\tregion9\tlatitude\t"
               "longitude\televation\ttimeZone\tcoastal\n"
            << lines;
    }

private:
    qovtest::TestBundle m_bundle;
    qovtest::TempHome m_data;
};

TEST_F(DataDirectoryTest, AFolderWithoutAGazetteerKnowsNoPlace) {
    const json lookup = get("/wxdata/loc/get.js", {{"lat", "33.8"}, {"lng", "-84.3"}});
    EXPECT_EQ(lookup.value("class", ""), "error");
    EXPECT_EQ(lookup.value("text", ""), "No location for 33.8,-84.3");
    EXPECT_EQ(get("/wxdata/mobile/mobagg/USGA0028:1.js").value("text", ""), "No location for USGA0028:1");
    EXPECT_EQ(get("/wxdata/ta/Atl.js")["results"], json::array());
    EXPECT_EQ(get("/wxdata/wxdata/bytile/get.js", {{"what", "1"}, {"where", "0320023113"}}), json::array());
    // The storms still move over the sea, near no place.
    const json storms = get("/wxdata/currtrop/get.js");
    ASSERT_TRUE(storms.is_array());
    ASSERT_FALSE(storms.empty());
    for (const json& storm : storms) {
        EXPECT_EQ(storm["near"], json::object()) << storm.value("name", "");
    }
}

TEST_F(DataDirectoryTest, APostalCodeWithoutACityIsItsOwnForecastPlace) {
    writePlaces(
        "99501\t4\t99501\tAnchorage\tAK\t99501\tUnited States\tUS\t743\tW\tPAC\t61.2181\t-149.9003\t31\t"
        "America/Anchorage\t1\n");
    const json code = get("/wxdata/loc/99501:4.js");
    EXPECT_EQ(code.value("class", ""), "location");
    EXPECT_EQ(code.value("parentLoc", "?"), "");
    EXPECT_EQ(code.value("forecastID", ""), "99501:4");
    EXPECT_EQ(get("/wxdata/ta/995.js")["results"].size(), 1U);
    // A coordinate finds cities only.
    EXPECT_EQ(get("/wxdata/loc/get.js", {{"lat", "61.2"}, {"lng", "-149.9"}}).value("class", ""), "error");
}

TEST_F(DataDirectoryTest, ThePolarSunStaysUpAllSummerDayAndDownAllWinterDay) {
    writePlaces(
        "NOXX0039\t1\tLongyearbyen, Norway\tLongyearbyen\tSV\t\tNorway\tNO\t\t\t\t78.2232\t15.6267\t10\t"
        "Arctic/Longyearbyen\t1\n");
    for (const auto& [now, daylight] : {std::pair{kMidsummer, 86400.0}, std::pair{kMidwinter, 0.0}}) {
        const json record = get("/wxdata/mobile/mobagg/NOXX0039:1.js", {}, now);
        ASSERT_TRUE(record.is_array() && record.size() == 1);
        const json& days = record[0]["SunRiseSet"];
        ASSERT_FALSE(days.empty());
        for (const json& day : days) {
            EXPECT_NEAR(day["set"].get<double>() - day["rise"].get<double>(), daylight, 1.0) << now;
        }
    }
}

}  // namespace
}  // namespace qovsim
