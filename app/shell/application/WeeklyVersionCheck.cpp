#include "app/shell/application/WeeklyVersionCheck.h"

#include "app/core/services/QOVSettingsService.h"
#include "platform/base/Clock.h"
#include "platform/storage/UserDefaults.h"

namespace qov {

WeeklyVersionCheck::WeeklyVersionCheck(std::shared_ptr<platform::UserDefaults> defaults)
    : m_defaults(std::move(defaults)) {}

bool WeeklyVersionCheck::isDue() {
    const auto stored = m_defaults->objectForKey(kVersionCheckDateKey);
    const auto* last = stored.ifDate();
    if (!last) {
        recordCheck();
        return true;
    }
    return platform::Clock::shared()->now().timeIntervalSince(*last) > kInterval;
}

void WeeklyVersionCheck::recordCheck() {
    m_defaults->setObject(platform::Clock::shared()->now(), kVersionCheckDateKey);
    m_defaults->synchronize();
}

bool WeeklyVersionCheck::isNewer(const std::optional<std::string>& latest, const std::string& current) {
    if (!latest || latest->empty()) {
        return false;
    }
    return QOVSettingsService::compareVersions(current, *latest) < 0;
}

}  // namespace qov
