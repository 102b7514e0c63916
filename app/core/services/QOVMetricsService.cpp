#include "app/core/services/QOVMetricsService.h"

#include <utility>

#include "app/core/services/ApplicationGuid.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

platform::ProcessSlot<QOVMetricsService>& sharedInstanceSlot() {
    static platform::ProcessSlot<QOVMetricsService> slot;
    return slot;
}

const char* kindName(MetricsHit::Kind kind) { return kind == MetricsHit::Kind::PageView ? "page view" : "tracking"; }

}  // namespace

std::shared_ptr<QOVMetricsService> QOVMetricsService::sharedInstance() {
    return sharedInstanceSlot().instance(
        [] { return std::make_shared<QOVMetricsService>(*platform::UserDefaults::standard()); });
}

void QOVMetricsService::resetSharedInstance() { sharedInstanceSlot().exchange(nullptr); }

QOVMetricsService::QOVMetricsService(platform::UserDefaults& defaults)
    : m_guid(ApplicationGuid::guidFromDefaults(defaults)) {}

void QOVMetricsService::applicationLaunch(int kind) {
    if (siteStatsDisabled()) {
        return;
    }
    MetricsHit hit;
    switch (kind) {
        case kLaunchFirstRun: hit.events = "event1"; break;
        case kLaunchUpgrade:
            hit.events = "event4";
            hit.variables["eVar2"] = "upgrade";
            break;
        case kLaunchPushAlert:
            hit.events = "event2";
            hit.variables["eVar3"] = "Push Alert";
            break;
        case kLaunchFromBackground:
            hit.events = "event2";
            hit.variables["eVar3"] = "From background";
            break;
        default:
            hit.events = "event2";
            hit.variables["eVar3"] = "App Icon";
            break;
    }
    send(std::move(hit));
}

void QOVMetricsService::screenDisplayed(const std::string& pageName) {
    if (siteStatsDisabled()) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        if (pageName == m_lastPageName) {
            return;
        }
        m_lastPageName = pageName;
    }
    MetricsHit hit;
    hit.kind = MetricsHit::Kind::PageView;
    hit.pageName = pageName;
    hit.events = "event5";
    send(std::move(hit));
}

void QOVMetricsService::trackEvent(const std::string& text) {
    if (siteStatsDisabled()) {
        return;
    }
    MetricsHit hit;
    hit.events = "event9";
    hit.variables["eVar9"] = text;
    send(std::move(hit));
}

void QOVMetricsService::trackAction(const std::string& action) {
    if (siteStatsDisabled()) {
        return;
    }
    MetricsHit hit;
    hit.variables["prop20"] = action;
    send(std::move(hit));
}

void QOVMetricsService::setLevel1(std::string level) {
    const std::lock_guard lock(m_mutex);
    m_level1 = std::move(level);
    m_level2.clear();
}

void QOVMetricsService::setLevel2(std::string level) {
    const std::lock_guard lock(m_mutex);
    m_level2 = std::move(level);
    m_section.clear();
}

void QOVMetricsService::setSectionDisplayed(std::string section) {
    const std::lock_guard lock(m_mutex);
    m_section = std::move(section);
}

void QOVMetricsService::setSiteStatsDisabledProvider(SiteStatsDisabledProvider provider) {
    const std::lock_guard lock(m_mutex);
    m_siteStatsDisabledProvider = std::move(provider);
}

bool QOVMetricsService::siteStatsDisabled() const {
    SiteStatsDisabledProvider provider;
    {
        const std::lock_guard lock(m_mutex);
        provider = m_siteStatsDisabledProvider;
    }
    return provider && provider();
}

std::vector<MetricsHit> QOVMetricsService::hits() const {
    const std::lock_guard lock(m_mutex);
    return {m_hits.begin(), m_hits.end()};
}

void QOVMetricsService::send(MetricsHit hit) {
    const std::lock_guard lock(m_mutex);
    // The common properties go with every hit as they are now.
    hit.level1 = m_level1;
    hit.level2 = m_level2;
    hit.section = m_section;
    hit.visitorId = m_guid;
    QOV_LOG_INFO("metrics {} hit: page \"{}\" events \"{}\" level1 \"{}\" level2 \"{}\" section \"{}\"",
                 kindName(hit.kind), hit.pageName, hit.events, hit.level1, hit.level2, hit.section);
    m_hits.push_back(std::move(hit));
    if (m_hits.size() > kMaxKeptHits) {
        m_hits.pop_front();
    }
}

}  // namespace qov
