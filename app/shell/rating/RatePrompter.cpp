#include "app/shell/rating/RatePrompter.h"

#include <mutex>
#include <optional>
#include <vector>

#include "app/core/services/QOVSettingsService.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/net/Reachability.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Application.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

constexpr const char* kStoreHost = "store.qovara.net";
constexpr int kAppStoreIdentifier = 418207;
constexpr double kSecondsPerDay = 86400.0;

struct Thresholds {
    std::int64_t days;
    std::int64_t uses;
    std::int64_t events;
    std::string message;
};

Thresholds currentThresholds() {
    const auto settings = QOVSettingsService::sharedInstance();
    return {settings->daysUntilPrompt(), settings->usesUntilPrompt(), settings->eventsUntilPrompt(),
            settings->userMessage()};
}

// The counters of one bundle version in the user defaults; any thread.
class UsageRecord {
public:
    UsageRecord(std::shared_ptr<platform::UserDefaults> defaults, std::shared_ptr<platform::Clock> clock,
                std::string version)
        : m_defaults(std::move(defaults)), m_clock(std::move(clock)), m_version(std::move(version)) {}

    void count(bool significantEvent) const {
        auto& defaults = *m_defaults;
        auto tracked = defaults.stringForKey(RatePrompter::kCurrentVersionKey);
        if (tracked.empty()) {
            tracked = m_version;
            defaults.setString(tracked, RatePrompter::kCurrentVersionKey);
        }
        const double now = m_clock->now().secondsSince1970;
        if (tracked == m_version) {
            if (defaults.doubleForKey(RatePrompter::kFirstUseDateKey) == 0) {
                defaults.setDouble(now, RatePrompter::kFirstUseDateKey);
            }
            const char* counter =
                significantEvent ? RatePrompter::kSignificantEventCountKey : RatePrompter::kUseCountKey;
            defaults.setInteger(defaults.integerForKey(counter) + 1, counter);
        } else {
            defaults.setString(m_version, RatePrompter::kCurrentVersionKey);
            defaults.setDouble(significantEvent ? 0.0 : now, RatePrompter::kFirstUseDateKey);
            defaults.setInteger(significantEvent ? 0 : 1, RatePrompter::kUseCountKey);
            defaults.setInteger(significantEvent ? 1 : 0, RatePrompter::kSignificantEventCountKey);
            defaults.setBool(false, RatePrompter::kRatedCurrentVersionKey);
            defaults.setBool(false, RatePrompter::kDeclinedToRateKey);
            defaults.setDouble(0.0, RatePrompter::kReminderRequestDateKey);
        }
        defaults.synchronize();
    }

    bool ratingConditionsHaveBeenMet(const Thresholds& thresholds) const {
        const auto& defaults = *m_defaults;
        const double now = m_clock->now().secondsSince1970;
        const double firstUse = defaults.doubleForKey(RatePrompter::kFirstUseDateKey);
        const auto daysInSeconds = static_cast<double>(thresholds.days) * kSecondsPerDay;
        return now - firstUse >= daysInSeconds &&
               defaults.integerForKey(RatePrompter::kUseCountKey) > thresholds.uses &&
               defaults.integerForKey(RatePrompter::kSignificantEventCountKey) > thresholds.events &&
               !defaults.boolForKey(RatePrompter::kDeclinedToRateKey) &&
               !defaults.boolForKey(RatePrompter::kRatedCurrentVersionKey) &&
               now - defaults.doubleForKey(RatePrompter::kReminderRequestDateKey) >= kSecondsPerDay;
    }

private:
    std::shared_ptr<platform::UserDefaults> m_defaults;
    std::shared_ptr<platform::Clock> m_clock;
    std::string m_version;
};

// Counts on the worker and, when the prompt is due, hands the alert to the prompter on the main loop.
class CountOperation : public platform::Operation {
public:
    CountOperation(UsageRecord record, bool significantEvent, bool canPrompt, Thresholds thresholds,
                   std::weak_ptr<RatePrompter> prompter)
        : m_record(std::move(record)),
          m_significantEvent(significantEvent),
          m_canPrompt(canPrompt),
          m_thresholds(std::move(thresholds)),
          m_prompter(std::move(prompter)) {}

protected:
    void main() override {
        m_record.count(m_significantEvent);
        m_due = m_canPrompt && m_record.ratingConditionsHaveBeenMet(m_thresholds) &&
                platform::net::Reachability::shared()->isReachable();
    }

    void completeOnMainThread() override {
        if (!m_due) {
            return;
        }
        platform::dispatchMain([prompter = m_prompter, message = m_thresholds.message] {
            if (const auto owner = prompter.lock()) {
                owner->showRatingAlert(message);
            }
        });
    }

private:
    UsageRecord m_record;
    bool m_significantEvent;
    bool m_canPrompt;
    Thresholds m_thresholds;
    std::weak_ptr<RatePrompter> m_prompter;
    bool m_due = false;
};

platform::ProcessSlot<RatePrompter>& instance() {
    static platform::ProcessSlot<RatePrompter> slot;
    return slot;
}

std::string infoText(std::string_view key) {
    const auto value = platform::Bundle::main().objectForInfoDictionaryKey(key);
    const auto* text = value.ifString();
    return text ? *text : std::string();
}

}  // namespace

RatePrompter::RatePrompter(std::shared_ptr<platform::UserDefaults> defaults, std::shared_ptr<platform::Clock> clock,
                           std::string bundleVersion, std::string displayName)
    : m_defaults(std::move(defaults)),
      m_clock(std::move(clock)),
      m_bundleVersion(std::move(bundleVersion)),
      m_displayName(std::move(displayName)) {}

RatePrompter::~RatePrompter() { platform::NotificationCenter::defaultCenter().removeObserver(this); }

std::shared_ptr<RatePrompter> RatePrompter::sharedInstance() {
    return instance().instance([] {
        auto prompter = std::make_shared<RatePrompter>(platform::UserDefaults::standard(), platform::Clock::shared(),
                                                       infoText("CFBundleVersion"), infoText("CFBundleDisplayName"));
        platform::NotificationCenter::defaultCenter().addObserver(
            prompter.get(), platform::ui::kApplicationWillResignActiveNotification,
            [](const platform::Notification&) { appWillResignActive(); });
        return prompter;
    });
}

void RatePrompter::resetSharedInstance() { instance().exchange(nullptr); }

void RatePrompter::appLaunched(bool canPrompt) { sharedInstance()->incrementAndRate(canPrompt); }
void RatePrompter::appLaunched() { appLaunched(true); }
void RatePrompter::appEnteredForeground(bool canPrompt) { sharedInstance()->incrementAndRate(canPrompt); }
void RatePrompter::userDidSignificantEvent(bool canPrompt) {
    sharedInstance()->incrementSignificantEventAndRate(canPrompt);
}
void RatePrompter::appWillResignActive() { sharedInstance()->hideRatingAlert(); }

void RatePrompter::incrementAndRate(bool canPrompt) { enqueue(false, canPrompt); }
void RatePrompter::incrementSignificantEventAndRate(bool canPrompt) { enqueue(true, canPrompt); }

void RatePrompter::enqueue(bool significantEvent, bool canPrompt) {
    m_worker.addOperation(std::make_shared<CountOperation>(UsageRecord(m_defaults, m_clock, m_bundleVersion),
                                                           significantEvent, canPrompt, currentThresholds(),
                                                           weak_from_this()));
}

void RatePrompter::showRatingAlert(const std::string& message) {
    const auto title = replacingOccurrences("Rate %@", "%@", m_displayName);
    m_ratingAlert = std::make_shared<platform::ui::AlertView>(title, replacingOccurrences(message, "%@", m_displayName),
                                                              weak_from_this(), "No, Thanks",
                                                              std::vector<std::string>{title, "Remind me later"});
    m_ratingAlert->show();
}

void RatePrompter::hideRatingAlert() {
    if (m_ratingAlert && m_ratingAlert->isVisible()) {
        m_ratingAlert->dismissWithClickedButtonIndex(-1, false);
    }
}

void RatePrompter::alertViewClickedButtonAtIndex(platform::ui::AlertView&, int index) {
    switch (index) {
        case kNoThanksButton:
            m_defaults->setBool(true, kDeclinedToRateKey);
            m_defaults->synchronize();
            break;
        case kRateButton: rateApp(); break;
        case kRemindLaterButton:
            m_defaults->setDouble(m_clock->now().secondsSince1970, kReminderRequestDateKey);
            m_defaults->synchronize();
            break;
        default: break;
    }
}

std::string RatePrompter::reviewURL() {
    return replacingOccurrences(std::string("itms-apps://") + kStoreHost +
                                    "/WebObjects/MZStore.woa/wa/viewContentsUserReviews?type=Purple+Software&id=APP_ID",
                                "APP_ID", std::to_string(kAppStoreIdentifier));
}

void RatePrompter::rateApp() {
    m_defaults->setBool(true, kRatedCurrentVersionKey);
    m_defaults->synchronize();
    platform::ui::Application::shared().openURL(reviewURL());
}

}  // namespace qov
