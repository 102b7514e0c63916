#include "sim/WeatherAnswers.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <map>
#include <set>

#include "platform/base/Clock.h"
#include "sim/ServiceKey.h"
#include "sim/SimServer.h"

namespace qovsim {
namespace {

using nlohmann::json;

constexpr double kJulyMorning = 1784124000.0;  // 2026-07-15 14:00 UTC: 10:00 in Atlanta
constexpr double kJanuaryMorning = 1768485600.0;

// The JSON kinds the application's readers accept for each member: text readers take strings as they are,
// integer, decimal and date readers take numbers.
enum Kind { Text, Integer, Number };

void expectMembers(const json& object, const std::map<std::string, Kind>& members, const std::string& where) {
    ASSERT_TRUE(object.is_object()) << where;
    for (const auto& [name, kind] : members) {
        SCOPED_TRACE(where + "." + name);
        ASSERT_TRUE(object.contains(name));
        const json& value = object[name];
        switch (kind) {
            case Text: EXPECT_TRUE(value.is_string()); break;
            case Integer: EXPECT_TRUE(value.is_number_integer()); break;
            case Number: EXPECT_TRUE(value.is_number()); break;
        }
    }
}

const std::map<std::string, Kind> kLocationMembers{
    {"type", Integer},     {"key", Text},   {"obsID", Text}, {"parentLoc", Text}, {"forecastID", Text},
    {"name", Text},        {"city", Text},  {"state", Text}, {"zip", Text},       {"country", Text},
    {"countryCode", Text}, {"dma", Text},   {"rgn4", Text},  {"rgn9", Text},      {"lat", Number},
    {"lng", Number},       {"elv", Number}, {"tz", Number},  {"zoneInfo", Text},  {"isMarineSurf", Text}};
const std::map<std::string, Kind> kObservationMembers{
    {"date", Integer},      {"obsName", Text},       {"key", Text},
    {"wxIcon", Integer},    {"text", Text},          {"temp", Integer},
    {"feelsLike", Integer}, {"pressure", Number},    {"pressureDescription", Text},
    {"wSpeed", Integer},    {"wDir", Integer},       {"wDirText", Text},
    {"wGust", Integer},     {"visibility", Integer}, {"humid", Integer},
    {"dewPoint", Integer},  {"tend", Integer},       {"uv", Integer},
    {"uvText", Text}};
const std::map<std::string, Kind> kHourlyMembers{
    {"dateTime", Integer},  {"key", Text},     {"icon", Integer},  {"wDesc", Text},  {"temp", Integer},
    {"feelsLike", Integer}, {"dew", Integer},  {"humid", Integer}, {"pop", Integer}, {"uv", Integer},
    {"wSpeed", Integer},    {"wDir", Integer}, {"wDirText", Text}};
const std::map<std::string, Kind> kHiRadMembers{
    {"validDate", Integer}, {"key", Text},          {"icon", Integer},     {"text", Text},          {"temp", Integer},
    {"feelsLike", Integer}, {"dew", Integer},       {"severity", Integer}, {"visibility", Integer}, {"humid", Integer},
    {"pop", Integer},       {"precipRate", Number}, {"snowRate", Number},  {"uv", Integer},         {"uvText", Text},
    {"wSpeed", Integer},    {"wDir", Integer},      {"wDirText", Text}};
const std::map<std::string, Kind> kNarrativeMembers{{"key", Text},    {"validDate", Integer}, {"dayPart", Text},
                                                    {"phrase", Text}, {"icon", Integer},      {"uv", Integer}};
const std::map<std::string, Kind> kDailyMembers{
    {"validDate", Integer}, {"key", Text}, {"maxTemp", Integer}, {"minTemp", Integer}, {"precip_type", Text}};
const std::map<std::string, Kind> kDayPartMembers{{"icon", Integer},
                                                  {"phrase", Text},
                                                  {"bluntPhrase", Text},
                                                  {"humid", Integer},
                                                  {"pop", Integer},
                                                  {"uv", Integer},
                                                  {"wSpeed", Integer},
                                                  {"wDir", Integer},
                                                  {"wDirText", Text},
                                                  {"weatherCode", Text},
                                                  {"precip_type", Text},
                                                  {"snwAccumPhrase", Text},
                                                  {"snwAccumPhraseTerse", Text},
                                                  {"extQual", Text}};
const std::map<std::string, Kind> kAlertMembers{{"areaId", Text},      {"areaName", Text},     {"issueOffice", Text},
                                                {"endTime", Integer},  {"etn", Text},          {"phenomenaCode", Text},
                                                {"severity", Integer}, {"significance", Text}, {"headline", Text},
                                                {"description", Text}, {"textId", Integer},    {"text", Text}};
const std::map<std::string, Kind> kPollenMembers{
    {"value", Integer}, {"description", Text}, {"indexType", Text}, {"dateTime", Integer}};
const std::map<std::string, Kind> kMarineMembers{{"validDate", Integer}, {"dName", Text},  {"sTemp", Integer},
                                                 {"sState", Text},       {"sDesc", Text},  {"wnd", Text},
                                                 {"wSpeed", Integer},    {"wDir", Integer}};
const std::map<std::string, Kind> kTideMembers{{"key", Text}, {"tTime", Integer}, {"tType", Text}, {"tHgt", Number}};

class WeatherAnswersTest : public ::testing::Test {
protected:
    WeatherAnswersTest() : m_clock(std::make_shared<platform::ManualClock>(platform::Date{kJulyMorning})) {
        SimServer::Options options;
        options.clock = m_clock;
        m_server = std::make_unique<SimServer>(options);
    }

    json get(const std::string& path) {
        SimRequest request;
        request.path = path;
        request.query.emplace("key", ServiceKey::expected());
        SimResponse response = m_server->respond(request);
        EXPECT_EQ(response.status, 200) << path;
        EXPECT_EQ(response.contentType, "application/json");
        return json::parse(response.body, nullptr, false);
    }
    json aggregate(const std::string& identifier) {
        json root = get("/wxdata/mobile/mobagg/" + identifier + ".js");
        EXPECT_TRUE(root.is_array() && root.size() == 1) << identifier;
        return root.is_array() && !root.empty() ? root[0] : json::object();
    }
    const Gazetteer& gazetteer() const { return m_server->environment().gazetteer(); }

    std::shared_ptr<platform::ManualClock> m_clock;
    std::unique_ptr<SimServer> m_server;
};

// Checks the members of the first few elements of a list (the service builds every element alike).
void expectListMembers(const json& list, const std::map<std::string, Kind>& members, const std::string& where) {
    ASSERT_TRUE(list.is_array()) << where;
    for (std::size_t i = 0; i < list.size() && i < 3; ++i) {
        expectMembers(list[i], members, where);
    }
}

// The members and kinds of one place's aggregate.
void expectAggregateShape(const Place& place, const json& record) {
    ASSERT_TRUE(record.is_object());
    expectMembers(record["Location"], kLocationMembers, "Location");
    EXPECT_EQ(record["Location"]["key"], place.key);
    EXPECT_EQ(record["Location"]["type"], place.type);
    EXPECT_EQ(record["Location"]["isMarineSurf"], place.coastal ? "true" : "false");
    expectMembers(record["StandardObservation"], kObservationMembers, "StandardObservation");
    EXPECT_EQ(record.contains("HiradObservation"), place.countryCode == "US");
    if (record.contains("HiradObservation")) {
        expectMembers(record["HiradObservation"], kObservationMembers, "HiradObservation");
    }
    EXPECT_GE(record["HourlyForecasts"].size(), 48u);
    expectListMembers(record["HourlyForecasts"], kHourlyMembers, "HourlyForecasts");
    EXPECT_GE(record["HourlyHiradForecasts"].size(), 48u);
    expectListMembers(record["HourlyHiradForecasts"], kHiRadMembers, "HourlyHiradForecasts");
    EXPECT_GE(record["NarrativeForecasts"].size(), 3u);
    expectListMembers(record["NarrativeForecasts"], kNarrativeMembers, "NarrativeForecasts");
    ASSERT_GE(record["DailyForecasts"].size(), 10u);
    expectListMembers(record["DailyForecasts"], kDailyMembers, "DailyForecasts");
    for (const json& day : record["DailyForecasts"]) {
        expectMembers(day["night"], kDayPartMembers, "night");
        if (day.contains("day")) {
            expectMembers(day["day"], kDayPartMembers, "day");
        }
    }
    EXPECT_EQ(record["SunRiseSet"].size(), record["DailyForecasts"].size());
    expectListMembers(record["SunRiseSet"], {{"rise", Integer}, {"set", Integer}}, "SunRiseSet");
    expectListMembers(record["WeatherAlerts"], kAlertMembers, "WeatherAlerts");
    for (const json& reading : record.value("Pollen", json::array())) {
        expectMembers(reading["day"], kPollenMembers, "Pollen.day");
    }
}

// Values that must agree with each other within one place's aggregate.
void expectConsistentValues(const json& record) {
    const json& days = record["DailyForecasts"];
    for (const json& day : days) {
        EXPECT_GE(day["maxTemp"].get<int>(), day["minTemp"].get<int>());
        EXPECT_GE(day["maxTemp"].get<int>(), -60);
        EXPECT_LE(day["maxTemp"].get<int>(), 125);
    }
    // The current temperature lies within the next hours' range, give or take a little.
    const json& now = record["StandardObservation"];
    int current = now["temp"].get<int>();
    EXPECT_NEAR(current, record["HourlyForecasts"][0]["temp"].get<int>(), 6);
    EXPECT_LE(now["dewPoint"].get<int>(), current);
    EXPECT_GE(now["humid"].get<int>(), 0);
    EXPECT_LE(now["humid"].get<int>(), 100);
    for (const json& hour : record["HourlyForecasts"]) {
        EXPECT_LE(hour["dew"].get<int>(), hour["temp"].get<int>());
        EXPECT_GE(hour["pop"].get<int>(), 0);
        EXPECT_LE(hour["pop"].get<int>(), 100);
        EXPECT_GE(hour["icon"].get<int>(), 0);
        EXPECT_LT(hour["icon"].get<int>(), 48);
        EXPECT_GE(hour["wDir"].get<int>(), 0);
        EXPECT_LT(hour["wDir"].get<int>(), 360);
    }
    // No sunburn at night: hours between sunset and the next sunrise have UV 0.
    double set = record["SunRiseSet"][0]["set"].get<double>();
    double rise = record["SunRiseSet"][1]["rise"].get<double>();
    for (const json& hour : record["HourlyForecasts"]) {
        double at = hour["dateTime"].get<double>();
        if (at > set && at < rise) {
            EXPECT_EQ(hour["uv"].get<int>(), 0);
        }
    }
}

TEST_F(WeatherAnswersTest, EveryPlaceAnswersInShapeWithConsistentValues) {
    // Generating every place's aggregate is the slow part, so each is generated once and checked for all.
    int withAlerts = 0;
    int withoutAlerts = 0;
    bool summerPollen = false;
    ASSERT_FALSE(gazetteer().places().empty());
    for (const Place& place : gazetteer().places()) {
        SCOPED_TRACE(place.identifier());
        json record = aggregate(place.identifier());
        ASSERT_TRUE(record.is_object());
        expectAggregateShape(place, record);
        expectConsistentValues(record);

        const json& alerts = record["WeatherAlerts"];
        (alerts.empty() ? withoutAlerts : withAlerts) += 1;
        for (const json& alert : alerts) {
            EXPECT_EQ(place.countryCode, "US");
            EXPECT_GT(alert["endTime"].get<double>(), kJulyMorning);
        }
        EXPECT_EQ(record.contains("Pollen"), place.countryCode == "US");
        for (const json& reading : record.value("Pollen", json::array())) {
            int value = reading["day"]["value"].get<int>();
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 4);
            summerPollen = summerPollen || value > 0;
        }
    }
    // Alerts belong to some places, not all; July has pollen.
    EXPECT_GT(withAlerts, 0);
    EXPECT_GT(withoutAlerts, 0);
    EXPECT_TRUE(summerPollen);
}

TEST_F(WeatherAnswersTest, DatesFollowTheClock) {
    for (double now : {kJulyMorning, kJanuaryMorning + 1234.0}) {
        m_clock->set(platform::Date{now});
        json record = aggregate("USGA0028:1");
        const json& hourly = record["HourlyForecasts"];
        EXPECT_LE(hourly[0]["dateTime"].get<double>(), now);
        EXPECT_GT(hourly[0]["dateTime"].get<double>(), now - 3600);
        for (std::size_t i = 1; i < hourly.size(); ++i) {
            EXPECT_EQ(hourly[i]["dateTime"].get<long long>() - hourly[i - 1]["dateTime"].get<long long>(), 3600);
        }
        const json& steps = record["HourlyHiradForecasts"];
        EXPECT_EQ(steps[0]["validDate"], hourly[0]["dateTime"]);
        EXPECT_EQ(steps[1]["validDate"].get<long long>() - steps[0]["validDate"].get<long long>(), 900);
        EXPECT_GT(record["StandardObservation"]["date"].get<double>(), now - 3600);

        const json& days = record["DailyForecasts"];
        const json& suns = record["SunRiseSet"];
        for (std::size_t i = 0; i < days.size(); ++i) {
            double rise = suns[i]["rise"].get<double>();
            double set = suns[i]["set"].get<double>();
            EXPECT_LT(rise, set);
            // Each day's sunrise falls on that day, between its local midnight and noon.
            double validDate = days[i]["validDate"].get<double>();  // 07:00 local
            EXPECT_GT(rise, validDate - 7 * 3600);
            EXPECT_LT(rise, validDate + 5 * 3600);
            if (i > 0) {
                EXPECT_NEAR(validDate - days[i - 1]["validDate"].get<double>(), 86400, 3600);
            }
        }
        EXPECT_LE(days[0]["validDate"].get<double>() - 7 * 3600, now);
    }
}

TEST_F(WeatherAnswersTest, SameClockSameAnswerAndPlacesDiffer) {
    auto text = [this](const std::string& path) {
        SimRequest request;
        request.path = path;
        request.query.emplace("key", ServiceKey::expected());
        return m_server->respond(request).body;
    };
    EXPECT_EQ(text("/wxdata/mobile/mobagg/USGA0028:1.js"), text("/wxdata/mobile/mobagg/USGA0028:1.js"));
    EXPECT_NE(text("/wxdata/mobile/mobagg/USGA0028:1.js"), text("/wxdata/mobile/mobagg/USNY0996:1.js"));
    std::string before = text("/wxdata/mobile/mobagg/USGA0028:1.js");
    m_clock->advance(3600);
    EXPECT_NE(text("/wxdata/mobile/mobagg/USGA0028:1.js"), before);
}

TEST_F(WeatherAnswersTest, SeasonsFollowTheHemisphere) {
    auto meanHigh = [this](const std::string& identifier) {
        json days = aggregate(identifier)["DailyForecasts"];
        double sum = 0;
        for (const json& day : days) {
            sum += day["maxTemp"].get<int>();
        }
        return sum / static_cast<double>(days.size());
    };
    double chicagoJuly = meanHigh("USIL0225:1");
    double sydneyJuly = meanHigh("ASXX0112:1");
    m_clock->set(platform::Date{kJanuaryMorning});
    EXPECT_GT(chicagoJuly, meanHigh("USIL0225:1") + 20);
    EXPECT_LT(sydneyJuly, meanHigh("ASXX0112:1"));
    // Mumbai is warm all year; Anchorage is cold in January.
    EXPECT_GT(meanHigh("INXX0096:1"), 70);
    EXPECT_LT(meanHigh("USAK0012:1"), 35);
}

TEST_F(WeatherAnswersTest, MorningAndEveningShapeTheFirstDayAndNarratives) {
    // 10:00 in Atlanta: today's day part is there and the narratives begin with "Today".
    json morning = aggregate("USGA0028:1");
    EXPECT_TRUE(morning["DailyForecasts"][0].contains("day"));
    EXPECT_EQ(morning["NarrativeForecasts"][0]["dayPart"], "Today");
    EXPECT_EQ(morning["NarrativeForecasts"][2]["dayPart"], "Tomorrow");
    EXPECT_EQ(morning["NarrativeForecasts"][4]["dayPart"], "Friday");  // 2026-07-15 is a Wednesday

    m_clock->set(platform::Date{kJulyMorning + 10 * 3600});  // 20:00
    json evening = aggregate("USGA0028:1");
    EXPECT_FALSE(evening["DailyForecasts"][0].contains("day"));
    EXPECT_TRUE(evening["DailyForecasts"][1].contains("day"));
    EXPECT_EQ(evening["NarrativeForecasts"][0]["dayPart"], "Tonight");
    EXPECT_EQ(evening["NarrativeForecasts"][0]["uv"], 0);
}

TEST_F(WeatherAnswersTest, LocationRecordsCarryPlaceAndZone) {
    json atlanta = get("/wxdata/loc/USGA0028:1.js");
    EXPECT_EQ(atlanta["class"], "location");
    expectMembers(atlanta, kLocationMembers, "loc");
    EXPECT_EQ(atlanta["city"], "Atlanta");
    EXPECT_DOUBLE_EQ(atlanta["tz"].get<double>(), -4.0);  // daylight saving time in July
    EXPECT_EQ(get("/wxdata/loc/30303:4.js")["parentLoc"], "USGA0028:1");
    EXPECT_DOUBLE_EQ(get("/wxdata/loc/INXX0096:1.js")["tz"].get<double>(), 5.5);
    // Hours in a half-hour zone start at the local top of the hour.
    json mumbai = aggregate("INXX0096:1");
    EXPECT_EQ(mumbai["HourlyForecasts"][0]["dateTime"].get<long long>() % 3600, 1800);
}

TEST_F(WeatherAnswersTest, UnknownIdentifiersAnswerTheServiceErrorRecord) {
    for (const std::string identifier :
         {"XXXX0000:1", "USGA0028:4", "30303:1", "USGA0028:x", "USGA0028:", ":1", "USGA0028:1:1", "%00:1"}) {
        for (const std::string command : {"/wxdata/mobile/mobagg/", "/wxdata/loc/", "/wxdata/marine/"}) {
            json error = get(command + identifier + ".js");
            SCOPED_TRACE(command + identifier);
            ASSERT_TRUE(error.is_object());
            EXPECT_EQ(error["class"], "error");
            EXPECT_TRUE(error["text"].is_string());
        }
    }
    // A wrong key is refused with the same record.
    SimRequest request;
    request.path = "/wxdata/mobile/mobagg/USGA0028:1.js";
    request.query.emplace("key", "not-the-key");
    EXPECT_EQ(json::parse(m_server->respond(request).body, nullptr, false).value("class", ""), "error");
}

TEST_F(WeatherAnswersTest, MarineAnswersTidesOfOneStationForCoastalPlaces) {
    json inland = get("/wxdata/marine/USGA0028:1.js");
    ASSERT_EQ(inland.size(), 1u);
    EXPECT_TRUE(inland[0]["MarineForecastStations"].empty());
    EXPECT_TRUE(inland[0]["TideData"].empty());

    for (const Place& place : gazetteer().places()) {
        if (!place.coastal) {
            continue;
        }
        SCOPED_TRACE(place.identifier());
        json root = get("/wxdata/marine/" + place.identifier() + ".js");
        ASSERT_TRUE(root.is_array() && root.size() == 1);
        const json& periods = root[0]["MarineForecastStations"];
        ASSERT_GE(periods.size(), 4u);
        std::set<std::string> names;
        for (const json& period : periods) {
            expectMembers(period, kMarineMembers, "MarineForecastStations");
            names.insert(period["dName"].get<std::string>());
        }
        EXPECT_EQ(names, (std::set<std::string>{"Morning", "Afternoon", "Evening", "Night"}));
        const json& tides = root[0]["TideData"];
        ASSERT_GE(tides.size(), 8u);
        for (std::size_t i = 0; i < tides.size(); ++i) {
            expectMembers(tides[i], kTideMembers, "TideData");
            EXPECT_EQ(tides[i]["key"], tides[0]["key"]);
            if (i > 0) {
                EXPECT_NE(tides[i]["tType"], tides[i - 1]["tType"]);
                EXPECT_GT(tides[i]["tTime"].get<long long>(), tides[i - 1]["tTime"].get<long long>());
                double high =
                    tides[i]["tType"] == "H" ? tides[i]["tHgt"].get<double>() : tides[i - 1]["tHgt"].get<double>();
                double low =
                    tides[i]["tType"] == "L" ? tides[i]["tHgt"].get<double>() : tides[i - 1]["tHgt"].get<double>();
                EXPECT_GT(high, low + 1.0);
            }
        }
    }
}

}  // namespace
}  // namespace qovsim
