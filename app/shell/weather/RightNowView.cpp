#include "app/shell/weather/RightNowView.h"

#include <cctype>

#include "app/core/categories/NSLocaleQOV.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/services/QOVIconService.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/format/TextFormat.h"

QOV_LOG_LEVEL(15)

namespace qov {

using platform::TextFormat;
using Format = QOVFormattingService;

namespace {

constexpr int kLargeIcon = 2;

std::string lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

RightNowView::~RightNowView() = default;

void RightNowView::awakeFromNib() {
    BaseWeatherView::awakeFromNib();
    if (m_header) {
        m_header->setShareEnabled(true);
        m_header->setTweetEnabled(true);
    }
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVSettingsService::kSwaggerStatusUpdatedNotification,
        [this](const platform::Notification&) { toggleSwaggerIntegration(); });
    if (m_infoScrollView && !m_infoScrollView->subviews().empty()) {
        const platform::ui::Size content = m_infoScrollView->subviews().front()->frame().size;
        m_infoScrollView->setContentSize(content);
        m_infoScrollView->setFrame(platform::ui::Rect(m_infoScrollView->frame().origin, content));
    }
    toggleSwaggerIntegration();
}

std::vector<std::shared_ptr<platform::ui::Label>> RightNowView::valueLabels() const {
    return {m_temperatureLabel, m_feelsLikeLabel,  m_windLabel,    m_humidityLabel, m_uvIndexLabel,
            m_dewPointLabel,    m_visibilityLabel, m_sunriseLabel, m_sunsetLabel};
}

void RightNowView::updateLocation(const std::shared_ptr<QOVLocation>& location) {
    BaseWeatherView::updateLocation(location);
    toggleSwaggerIntegration();
    updateViewData();
}

void RightNowView::updateViewData() {
    if (!m_location) {
        return;
    }
    if (const auto& conditions = m_location->currentConditions()) {
        m_wxIconView->setImage(QOVIconService::weatherIcon(conditions->weatherIconNumber(), kLargeIcon));
        m_temperatureLabel->setText(Format::formatTemperature(conditions->temperature()));
        m_shortDescriptionLabel->setText(conditions->text());
        m_feelsLikeLabel->setText(Format::formatTemperature(conditions->feelsLike()));
        m_windLabel->setText(Format::formatWindSpeed(conditions->windSpeed(), conditions->windDirectionDescription()));
        m_humidityLabel->setText(Format::formatPercent(conditions->humidity()));
        m_uvIndexLabel->setText(TextFormat::format("%d %@", {conditions->uvIndex(), conditions->uvText()}));
        m_dewPointLabel->setText(Format::formatTemperature(conditions->dewPoint()));
        m_visibilityLabel->setText(Format::formatDistance(conditions->visibility()));
        if (const auto today = m_location->sunriseSunsetForToday()) {
            m_sunriseLabel->setText(Format::formatTime(today->sunrise(), m_location->timeZone()));
            m_sunsetLabel->setText(Format::formatTime(today->sunset(), m_location->timeZone()));
        }
    }
    const double confidence = m_location->confidence();
    m_wxIconView->setAlpha(confidence);
    m_shortDescriptionLabel->setAlpha(confidence);
    for (const auto& label : valueLabels()) {
        label->setAlpha(confidence);
    }
    showData();
}

void RightNowView::showData() {
    m_wxIconView->setHidden(false);
    m_shortDescriptionLabel->setHidden(false);
    for (const auto& label : valueLabels()) {
        label->setHidden(false);
    }
    if (m_activityIndicator) {
        m_activityIndicator->stopAnimating();
    }
}

void RightNowView::clearData() {
    if (m_header) {
        m_header->m_subtitleLabel->setText("No Current Data");
    }
    for (const auto& label : valueLabels()) {
        label->setText("");
    }
    m_shortDescriptionLabel->setText("");
    m_wxIconView->setImage(QOVIconService::emptyWeatherIconForSize(kLargeIcon));
}

void RightNowView::toggleSwaggerIntegration() {
    if (!m_header) {
        return;
    }
    const bool enabled =
        QOVSettingsService::sharedInstance()->swaggerStatus() != QOVSettingsService::kSwaggerStatusAllOff &&
        m_location && m_location->countryCode() == "US" && lowered(NSLocaleQOV::simpleLocaleIdentifier()) == "en_us";
    m_header->setTweetEnabled(enabled);
}

void RightNowView::tweetButtonPressed() {
    if (const auto screen = delegate()) {
        QOVMetricsService::sharedInstance()->trackAction("TFNow_SocWX_Icon");
        screen->swaggerButtonPressed();
    }
}

std::string RightNowView::shareDataForOption(int option) {
    BaseWeatherView::shareDataForOption(option);
    // Without current conditions every value reads "N/A" rather than a made-up zero.
    const auto conditions = m_location ? m_location->currentConditions() : nullptr;
    const std::string na = localized("common.na");
    const std::string temperature = conditions ? Format::formatTemperature(conditions->temperature()) : na;
    const std::string sky = conditions ? conditions->text() : na;
    std::string text;
    if (option == 3) {
        text = TextFormat::format("%@, %@ %@ %@", {m_location ? m_location->city() : na,
                                                   m_location ? m_location->state() : "", temperature, sky}) +
               kTweetSuffix;
    } else if (option == 0) {
        const std::string feelsLike = conditions ? Format::formatTemperature(conditions->feelsLike()) : na;
        const std::string humidity = conditions ? Format::formatPercent(conditions->humidity()) : na;
        const std::string wind =
            conditions ? Format::formatWindSpeed(conditions->windSpeed(), conditions->windDirectionDescription()) : na;
        text = "This message was sent from a friend.\n\nNow for " + (m_location ? m_location->displayName() : na) +
               "\n\n" +
               TextFormat::format("Temp: %@\nFeels like: %@\n%@\nHumidity: %@\nWind: %@\n",
                                  {temperature, feelsLike, sky, humidity, wind}) +
               sharingClosingLine();
    } else {
        QOV_LOG_INFO("ShareDataFor Invalid option ({})", option);
    }
    QOVMetricsService::sharedInstance()->trackEvent("TFNow_Share");
    return text;
}

}  // namespace qov
