#include "app/shell/services/QOVFormattingService.h"

#include <climits>

#include <gtest/gtest.h>

#include "tests/app/shell/services/FormattingFixture.h"

namespace qov {
namespace {

using Service = QOVFormattingService;

class FormattingServiceTest : public qovtest::FormattingFixture {};

TEST_F(FormattingServiceTest, ValuesInBothUnitSystems) {
    struct Case {
        std::string (*format)();
        const char* imperial;
        const char* metric;
    };
    const Case cases[] = {
        {[] { return Service::formatTemperature(31); }, "31°F", "0°C"},
        {[] { return Service::formatTemperature(32); }, "32°F", "0°C"},
        {[] { return Service::formatTemperature(30); }, "30°F", "-1°C"},  // -1.1 toward zero
        {[] { return Service::formatTemperature(212); }, "212°F", "100°C"},
        {[] { return Service::formatTemperature(-40); }, "-40°F", "-40°C"},
        {[] { return Service::formatTemperature(75, true); }, "75°", "23°"},
        {[] { return Service::formatDistance(10); }, "10 mi", "16 km"},
        {[] { return Service::formatDistance(0); }, "0 mi", "0 km"},
        {[] { return Service::formatDistance(INT_MAX); }, "2147483647 mi", "2147483647 km"},
        {[] { return Service::formatDecimalDistance(3.5); }, "3.5 ft", "1.07 m"},
        {[] { return Service::formatDecimalDistance(0.0); }, "0 ft", "0 m"},
        {[] { return Service::formatWindSpeed(10, "NW"); }, "NW 10 mph", "NW 16 km/h"},
        {[] { return Service::formatWindSpeed(0, "CALM"); }, "CALM 0 mph", "CALM 0 km/h"},
        {[] { return Service::formatWindSpeedForPad(0, "CALM"); }, "CALM", "CALM"},
        {[] { return Service::formatWindSpeedForPad(0, "N"); }, "N", "N @ 0 km/h"},
        {[] { return Service::formatWindSpeedForPad(20, "SSW"); }, "SSW @ 20 mph", "SSW @ 32 km/h"},
        {[] { return Service::formatWindSpeed(5, "%@%n%s"); }, "%@%n%s 5 mph", "%@%n%s 8 km/h"},
        {[] { return Service::formatWindSpeed(5, ""); }, " 5 mph", " 8 km/h"},
        {[] { return Service::formatPercent(45); }, "45%", "45%"},
    };
    Service::setUom(true);
    for (const Case& c : cases) {
        EXPECT_EQ(c.format(), c.imperial);
    }
    Service::setUom(false);
    for (const Case& c : cases) {
        EXPECT_EQ(c.format(), c.metric);
    }
}

TEST_F(FormattingServiceTest, SettingTheUnitStoresItAndAnnouncesIt) {
    EXPECT_TRUE(Service::currentUom());  // "follow the locale" on a US device
    Service::setUom(false);
    EXPECT_EQ(QOVSettingsService::sharedInstance()->unitOfMeasureSelection(), 1u);
    EXPECT_FALSE(Service::currentUom());
    EXPECT_EQ(uomNotifications, 2);  // once resolving the stored selection, once for the change
}

class MetricDeviceTest : public qovtest::FormattingFixture {
protected:
    MetricDeviceTest() : FormattingFixture("en_GB") {}
};

TEST_F(MetricDeviceTest, TheFirstUseResolvesFollowTheLocaleToMetric) {
    EXPECT_EQ(QOVSettingsService::sharedInstance()->unitOfMeasureSelection(), 2u);
    EXPECT_EQ(Service::formatTemperature(50), "10°C");
    EXPECT_EQ(QOVSettingsService::sharedInstance()->unitOfMeasureSelection(), 1u);
    EXPECT_EQ(uomNotifications, 1);
}

TEST_F(FormattingServiceTest, TimesInTheLocationsZone) {
    const platform::Date evening{1'800'043'200.0};  // Friday 2027-01-15 20:00 UTC
    struct Case {
        const char* zone;
        const char* time;
        const char* withZone;
        const char* alert;
    };
    const Case cases[] = {
        {"America/New_York", "3:00 PM", "3:00 PM EST", "Fri, Jan 15 3:00 PM EST"},
        {"Asia/Kolkata", "1:30 AM", "1:30 AM GMT+5:30", "Sat, Jan 16 1:30 AM GMT+5:30"},
        {"Pacific/Kiritimati", "10:00 AM", "10:00 AM GMT+14", "Sat, Jan 16 10:00 AM GMT+14"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Service::formatTime(evening, c.zone), c.time);
        EXPECT_EQ(Service::formatTimeIncludingZone(evening, c.zone), c.withZone);
        EXPECT_EQ(Service::formatAlertDate(evening, c.zone), c.alert);
    }
    EXPECT_EQ(Service::formatTimeStampForLocalTime(evening, "Asia/Kolkata"), "Jan 16, 1:30 AM");
    EXPECT_EQ(Service::formatTime(evening, std::nullopt), "8:00 PM");  // a location without a zone: UTC
    EXPECT_EQ(Service::formatTime(std::nullopt, "Asia/Kolkata"), "");
    // The device's zone (New York here).
    EXPECT_EQ(Service::formatTime(evening), "3:00 PM");
    EXPECT_EQ(Service::formatTimeStamp(evening), "Jan 15, 3:00 PM");
    EXPECT_EQ(Service::formatTimeIncludingZone(evening), "3:00 PM EST");
}

TEST_F(FormattingServiceTest, AgeOfData) {
    struct Case {
        double seconds;
        const char* key;
    };
    const Case cases[] = {
        {0, "data.age.new"},           {29.9, "data.age.new"},       {30, "data.age.30.seconds"},
        {59.9, "data.age.30.seconds"}, {60, "data.age.1.minute"},    {299, "data.age.4.minute"},
        {300, "data.age.5.minute"},    {2700, "data.age.45.minute"}, {4 * 3600, "data.age.hour"},
        {-130, "data.age.2.minute"},  // a date ahead of the clock counts by its distance
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Service::formatAge(secondsAgo(c.seconds)), platform::Bundle::main().localizedString(c.key))
            << c.seconds;
    }
    EXPECT_EQ(Service::formatAge(std::nullopt), "Just updated");
}

TEST_F(FormattingServiceTest, AgeOfATweet) {
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0.5, "0 second ago"},
        {1.5, "1 second ago"},
        {60, "60 seconds ago"},
        {61, "1 minute ago"},
        {2 * 3600 + 59 * 60, "2 hours ago"},
        {86400 * 3, "3 days ago"},
        {604800 * 2, "2 weeks ago"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Service::formatTweetAge(secondsAgo(c.seconds)), c.text) << c.seconds;
    }
    // Beyond four weeks: the date and time in medium styles, device zone (2026-12-16 03:00 in New York).
    EXPECT_EQ(Service::formatTweetAge(secondsAgo(30 * 86400.0)),
              "Dec 16, 2026, 3:00:00\u202fAM");  // ICU puts a narrow space before AM
}

}  // namespace
}  // namespace qov
