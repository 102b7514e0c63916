#include "app/shell/services/QOVIconService.h"

#include <gtest/gtest.h>

#include "tests/support/TestBundle.h"

namespace qov {
namespace {

using platform::ui::DeviceOrientation;

TEST(IconServiceTest, IconNamesBySizeClass) {
    struct Case {
        int code;
        int sizeClass;
        const char* name;
    };
    const Case cases[] = {
        {5, 1, "05_44.png"},  {32, 2, "32_100.png"}, {0, 3, "00_128.png"}, {47, 4, "47_256.png"},
        {12, 0, "12_25.png"}, {12, 9, "12_25.png"},  {48, 1, "44_44.png"}, {-1, 2, "44_100.png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QOVIconService::weatherIconName(c.code, c.sizeClass), c.name);
    }
    EXPECT_EQ(QOVIconService::URLForWeatherIconNumber(7),
              "http://images.qovara.net/v.20100719.135915/img/wxicon/72/7.png");
}

TEST(IconServiceTest, BackgroundAndVideoNames) {
    struct Case {
        int code;
        const char* extension;
        DeviceOrientation orientation;
        const char* name;
    };
    const Case cases[] = {
        {3, "jpg", DeviceOrientation::Portrait, "rainy_day_portrait"},
        {31, "jpg", DeviceOrientation::LandscapeLeft, "clear_night_landscape"},
        {47, "jpg", DeviceOrientation::LandscapeRight, "snow_night_landscape"},
        {22, "jpg", DeviceOrientation::PortraitUpsideDown, "default_portrait"},
        {22, "m4v", DeviceOrientation::LandscapeLeft, "default"},
        {37, "m4v", DeviceOrientation::Portrait, "thunderstorm_day"},
        {48, "jpg", DeviceOrientation::Portrait, ""},
        {-3, "m4v", DeviceOrientation::Portrait, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QOVIconService::resourceNameForIcon(c.code, c.extension, c.orientation), c.name) << c.code;
    }
    qovtest::TestBundle bundle;
    EXPECT_EQ(QOVIconService::weatherVideoForIcon(3, DeviceOrientation::Portrait), "");  // no videos shipped
    EXPECT_EQ(QOVIconService::weatherBackgroundForIcon(60, DeviceOrientation::Portrait), "");
    // Every icon and background the table names is in the bundle.
    for (int code = 0; code < WeatherIconKinds::kCount; ++code) {
        EXPECT_NE(QOVIconService::weatherBackgroundForIcon(code, DeviceOrientation::LandscapeLeft), "") << code;
        for (int sizeClass = 0; sizeClass <= 4; ++sizeClass) {
            EXPECT_TRUE(QOVIconService::weatherIcon(code, sizeClass)) << code << " " << sizeClass;
        }
    }
}

}  // namespace
}  // namespace qov
