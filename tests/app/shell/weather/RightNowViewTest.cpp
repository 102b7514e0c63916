#include "app/shell/weather/RightNowView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/services/QOVIconService.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "tests/app/shell/weather/PanelFixture.h"

namespace qov {
namespace {

class RightNowViewTest : public qovtest::PanelFixture {};

TEST_F(RightNowViewTest, ShowsTheCurrentConditions) {
    const auto panel = makePanel<RightNowView>();
    ASSERT_TRUE(panel);
    const auto atlanta = sample("USGA0028");
    ASSERT_TRUE(atlanta);
    panel->updateLocation(atlanta);
    shoot(*panel, "right-now-atlanta");
    EXPECT_EQ(panel->header()->m_titleLabel->text(), "Right Now");
    EXPECT_EQ(panel->header()->m_subtitleLabel->text(), "Updated: 3:00 AM EST");
}

// The stand-in's observations at 08:00 UTC: Atlanta before dawn under a clear sky, Perth in the afternoon (the
// standard station) in the rain its radar shows there.
TEST_F(RightNowViewTest, EachLabelShowsItsOwnObservedValue) {
    const struct {
        const char* key;
        std::vector<std::string> labels;  // temperature, feels like, wind, humidity, UV, dew point, visibility,
                                          // sunrise, sunset
    } cases[] = {
        {"USGA0028", {"40°F", "32°F", "NNW 14 mph", "66%", "0 Low", "29°F", "10 mi", "7:42 AM", "5:51 PM"}},
        {"ASXX0231", {"86°F", "95°F", "ENE 12 mph", "72%", "2 Low", "76°F", "4 mi", "5:24 AM", "7:25 PM"}},
    };
    const auto panel = makePanel<RightNowView>();
    for (const auto& c : cases) {
        panel->updateLocation(sample(c.key));
        std::vector<std::string> shown;
        for (const auto& label : {panel->m_temperatureLabel, panel->m_feelsLikeLabel, panel->m_windLabel,
                                  panel->m_humidityLabel, panel->m_uvIndexLabel, panel->m_dewPointLabel,
                                  panel->m_visibilityLabel, panel->m_sunriseLabel, panel->m_sunsetLabel}) {
            shown.push_back(label->text());
        }
        EXPECT_EQ(shown, c.labels) << c.key;
    }
}

TEST_F(RightNowViewTest, TheTweetButtonNeedsAUsPlaceAUsDeviceAndTheSocialFeature) {
    const auto panel = makePanel<RightNowView>();
    panel->updateLocation(sample("USGA0028"));
    EXPECT_TRUE(panel->header()->tweetEnabled());
    QOVSettingsService::sharedInstance()->setSwaggerStatus(QOVSettingsService::kSwaggerStatusAllOff);
    EXPECT_FALSE(panel->header()->tweetEnabled());
    QOVSettingsService::sharedInstance()->setSwaggerStatus(QOVSettingsService::kSwaggerStatusOn);
    platform::LocaleSource::setOverride("en_GB", {"en"});
    panel->toggleSwaggerIntegration();
    EXPECT_FALSE(panel->header()->tweetEnabled());
}

TEST_F(RightNowViewTest, OldDataFadesAndMissingConditionsShareAsNotAvailable) {
    const auto panel = makePanel<RightNowView>();
    auto atlanta = sample("USGA0028");
    advance(3600);
    panel->updateLocation(atlanta);
    EXPECT_DOUBLE_EQ(panel->m_temperatureLabel->alpha(), 0.25);
    EXPECT_EQ(panel->header()->m_subtitleLabel->textColor(), platform::gfx::Color::redColor());

    atlanta->setCurrentConditions(nullptr);
    panel->updateLocation(atlanta);
    EXPECT_EQ(panel->m_shortDescriptionLabel->text(), "");  // cleared, not left from before
    EXPECT_EQ(panel->m_wxIconView->image(), QOVIconService::emptyWeatherIconForSize(2));
    EXPECT_EQ(panel->header()->m_subtitleLabel->text(), "Updated: Conditions Temp. Unavailable");
    EXPECT_EQ(panel->shareDataForOption(3), "Atlanta, GA N/A N/A #QOV");
    EXPECT_NE(panel->shareDataForOption(0).find("Temp: N/A\nFeels like: N/A\nN/A\nHumidity: N/A\nWind: N/A\n"),
              std::string::npos);
    EXPECT_EQ(panel->shareDataForOption(1), "");
}

}  // namespace
}  // namespace qov
