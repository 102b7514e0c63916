#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/weather/BaseWeatherView.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

namespace qov {

// The current conditions of the location (view number 0 of the weather screen): a large icon, temperature,
// sky, feels-like, wind, humidity, UV, dew point, visibility and today's sunrise and sunset in the location's
// time zone, all faded by the data's confidence. Shares by e-mail, Facebook and tweet; its header's tweet
// button (United States locations on an en_US device while the social feature is on) opens the social tab.
class RightNowView : public BaseWeatherView {
public:
    static constexpr const char* kTweetSuffix = " #QOV";

    using BaseWeatherView::BaseWeatherView;
    ~RightNowView() override;
    static void registerInterfaceFile();

    void awakeFromNib() override;
    void updateLocation(const std::shared_ptr<QOVLocation>& location) override;
    void updateViewData() override;
    void clearData() override;
    void showData();
    void toggleSwaggerIntegration();
    // QOVSectionHeaderViewDelegate
    void tweetButtonPressed() override;

    std::string headerTitleKey() const override { return "weather.header.rightnow"; }
    std::string adPage() const override { return "/cc"; }
    std::string adSection() const override { return "now"; }
    std::string metricsLevel2() const override { return "NOW"; }
    std::string screenName() const override { return "TFNow"; }
    std::vector<int> sharingOptions() const override { return {0, 2, 3}; }
    std::string shareDataForOption(int option) override;

    // Outlets.
    std::shared_ptr<platform::ui::ImageView> m_wxIconView;
    std::shared_ptr<platform::ui::Label> m_temperatureLabel;
    std::shared_ptr<platform::ui::Label> m_shortDescriptionLabel;
    std::shared_ptr<platform::ui::Label> m_feelsLikeLabel;
    std::shared_ptr<platform::ui::Label> m_windLabel;
    std::shared_ptr<platform::ui::Label> m_humidityLabel;
    std::shared_ptr<platform::ui::Label> m_uvIndexLabel;
    std::shared_ptr<platform::ui::Label> m_dewPointLabel;
    std::shared_ptr<platform::ui::Label> m_visibilityLabel;
    std::shared_ptr<platform::ui::Label> m_sunriseLabel;
    std::shared_ptr<platform::ui::Label> m_sunsetLabel;
    std::shared_ptr<platform::ui::ActivityIndicatorView> m_activityIndicator;
    std::shared_ptr<platform::ui::ScrollView> m_infoScrollView;

private:
    // The value labels the clearing empties and the confidence fades (not the icon or the sky text).
    std::vector<std::shared_ptr<platform::ui::Label>> valueLabels() const;
};

}  // namespace qov
