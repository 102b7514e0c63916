#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/Clock.h"
#include "platform/base/OperationQueue.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/AlertView.h"

namespace qov {

// The rate-this-app prompt. It counts launches, returns to the foreground and significant events of the bundle
// version in the user defaults and, once the settings service's thresholds are passed and the network is
// reachable, asks the user to rate the application in the store.
//
// Threads: the entry points may be called on the main thread; each reads the thresholds there and queues the
// counting and checking on the prompter's one serial worker, so no increment is lost. The alert is made, shown
// and answered on the main loop. The shared instance lives for the whole run; it hides its alert when the
// application resigns active (the dismissal with index -1 records nothing).
class RatePrompter : public platform::ui::AlertViewDelegate, public std::enable_shared_from_this<RatePrompter> {
public:
    static constexpr const char* kCurrentVersionKey = "kRatePrompterCurrentVersion";
    static constexpr const char* kFirstUseDateKey = "kRatePrompterFirstUseDate";
    static constexpr const char* kUseCountKey = "kRatePrompterUseCount";
    static constexpr const char* kSignificantEventCountKey = "kRatePrompterSignificantEventCount";
    static constexpr const char* kRatedCurrentVersionKey = "kRatePrompterRatedCurrentVersion";
    static constexpr const char* kDeclinedToRateKey = "kRatePrompterDeclinedToRate";
    static constexpr const char* kReminderRequestDateKey = "kRatePrompterReminderRequestDate";

    // Button indexes of the alert.
    static constexpr int kNoThanksButton = 0;
    static constexpr int kRateButton = 1;
    static constexpr int kRemindLaterButton = 2;

    // The bundle's "CFBundleVersion" and "CFBundleDisplayName" are read from bundleVersion / displayName.
    RatePrompter(std::shared_ptr<platform::UserDefaults> defaults, std::shared_ptr<platform::Clock> clock,
                 std::string bundleVersion, std::string displayName);
    ~RatePrompter() override;

    // Over the standard defaults, the process clock and the main bundle; observes the resign-active notice.
    static std::shared_ptr<RatePrompter> sharedInstance();
    // Tests: the next sharedInstance() is a new prompter.
    static void resetSharedInstance();

    static void appLaunched(bool canPrompt);
    // A launch that may prompt: appLaunched(true).
    static void appLaunched();
    static void appEnteredForeground(bool canPrompt);
    static void userDidSignificantEvent(bool canPrompt);
    static void appWillResignActive();

    // Queue one counted use (or significant event) and, when canPrompt, the check that may show the alert.
    void incrementAndRate(bool canPrompt);
    void incrementSignificantEventAndRate(bool canPrompt);
    // Main loop: shows the alert with message, its "%@" replaced by the application's name.
    void showRatingAlert(const std::string& message);
    void hideRatingAlert();
    // Records the rating and opens the store's review address.
    void rateApp();

    // The store's review address for this application.
    static std::string reviewURL();

    // Tests: no count is queued, running or waiting for its main-loop completion.
    bool isIdle() const { return m_worker.operationCount() == 0; }

    // The alert last shown (null before the first).
    const std::shared_ptr<platform::ui::AlertView>& ratingAlert() const { return m_ratingAlert; }

    void alertViewClickedButtonAtIndex(platform::ui::AlertView& alert, int index) override;

private:
    void enqueue(bool significantEvent, bool canPrompt);

    std::shared_ptr<platform::UserDefaults> m_defaults;
    std::shared_ptr<platform::Clock> m_clock;
    std::string m_bundleVersion;
    std::string m_displayName;
    platform::OperationQueue m_worker{1};
    std::shared_ptr<platform::ui::AlertView> m_ratingAlert;
};

}  // namespace qov
