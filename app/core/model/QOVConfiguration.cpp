#include "app/core/model/QOVConfiguration.h"

#include "app/core/model/LocalCalendar.h"
#include "app/core/model/QOVConfigurableApplicationTab.h"
#include "platform/base/Clock.h"

namespace qov {

QOVConfiguration::QOVConfiguration() : QOVConfiguration(std::string()) {}

QOVConfiguration::QOVConfiguration(std::string name)
    : m_name(std::move(name)), m_loadDate(platform::Clock::shared()->now()) {}

bool QOVConfiguration::isStale() const {
    const platform::Date now = platform::Clock::shared()->now();
    return m_loadDate < LocalCalendar::startOfDay(now, LocalCalendar::deviceTimeZoneName());
}

bool QOVConfiguration::boolForConfigurationKey(const std::string&) const { return true; }

void QOVConfiguration::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_name, "config_name");
    coder.encodeDate(m_loadDate, "config_loadDate");
    coder.encodeObject(m_inSeasonTab, "config_inSeasonTab");
    coder.encodeObject(m_onTVTab, "config_onTVTab");
}

void QOVConfiguration::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_name = coder.decodeString("config_name");
    // An archive without its load date counts as loaded in 1970: stale.
    m_loadDate = coder.decodeDate("config_loadDate").value_or(platform::Date());
    m_inSeasonTab = coder.decodeObjectOfClass<QOVConfigurableApplicationTab>("config_inSeasonTab");
    m_onTVTab = coder.decodeObjectOfClass<QOVConfigurableApplicationTab>("config_onTVTab");
}

}  // namespace qov
