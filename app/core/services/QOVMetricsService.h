#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/core/services/MetricsHit.h"
#include "platform/base/Object.h"

namespace platform {
class UserDefaults;
}

namespace qov {

// Usage measurement: records launches, screens, events and actions as hits. The measurement endpoints are
// not part of this application, so a hit is logged and kept in a bounded in-memory list (the newest
// kMaxKeptHits) that tests and the test console read.
//
// Measurement is switched off by the remote configuration's "siteStatsDisabled" switch, which the settings
// service owns; it hands its reading over with setSiteStatsDisabledProvider(). Until then measurement is on.
class QOVMetricsService : public platform::Object {
public:
    using SiteStatsDisabledProvider = std::function<bool()>;

    static constexpr std::size_t kMaxKeptHits = 256;

    // Launch kinds of applicationLaunch().
    static constexpr int kLaunchFirstRun = 0;
    static constexpr int kLaunchUpgrade = 1;
    static constexpr int kLaunchNormal = 2;
    static constexpr int kLaunchPushAlert = 3;
    static constexpr int kLaunchFromBackground = 4;

    // The process instance, made on first use with UserDefaults::standard().
    static std::shared_ptr<QOVMetricsService> sharedInstance();
    // Tests: forgets the process instance, so the next sharedInstance() makes a new one.
    static void resetSharedInstance();

    // Reads (or creates) the install identifier from defaults.
    explicit QOVMetricsService(platform::UserDefaults& defaults);

    // One hit per launch: kind 0 "event1"; 1 "event4" with eVar2 "upgrade"; 3 "event2" with eVar3
    // "Push Alert"; 4 "event2" with eVar3 "From background"; any other "event2" with eVar3 "App Icon".
    void applicationLaunch(int kind);
    // Nothing to start or stop while no endpoint is contacted.
    void startMetrics() {}
    void stopMetrics() {}
    // A page-view hit ("event5") unless the name is the last page name sent.
    void screenDisplayed(const std::string& pageName);
    // A tracking hit with "event9" and the text in eVar9.
    void trackEvent(const std::string& text);
    // A tracking hit without events and the action name in prop20.
    void trackAction(const std::string& action);

    // The page hierarchy sent with later hits: level 1, level 2, then the section. Setting a level clears the
    // one below it; none sends a hit.
    void setLevel1(std::string level);
    void setLevel2(std::string level);
    void setSectionDisplayed(std::string section);

    // The install identifier (kept in "kQOVApplicationGuid"); never empty.
    const std::string& guid() const { return m_guid; }

    void setSiteStatsDisabledProvider(SiteStatsDisabledProvider provider);
    bool siteStatsDisabled() const;

    // The hits kept, oldest first.
    std::vector<MetricsHit> hits() const;

private:
    void send(MetricsHit hit);

    const std::string m_guid;
    mutable std::mutex m_mutex;
    SiteStatsDisabledProvider m_siteStatsDisabledProvider;
    std::string m_level1;
    std::string m_level2;
    std::string m_section;
    std::string m_lastPageName;
    std::deque<MetricsHit> m_hits;
};

}  // namespace qov
