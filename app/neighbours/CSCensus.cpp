#include "app/neighbours/CSCensus.h"

#include <fmt/format.h>

#include "app/core/datasource/DatasourceURL.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

void CSCensus::notifyStart(const std::string& customerId, const std::string& secret) {
    const std::lock_guard lock(m_mutex);
    m_customerId = customerId;
    m_salt = secret;
    m_pixelURL = fmt::format("{}?c2={}", kPixelBaseURL, DatasourceURL::encodeComponent(customerId));
    m_sentEvents.emplace_back(kStartEvent);
    // The secret is never logged.
    QOV_LOG_INFO("audience measurement event \"{}\" for customer {}", kStartEvent, customerId);
}

std::string CSCensus::customerId() const {
    const std::lock_guard lock(m_mutex);
    return m_customerId;
}

std::string CSCensus::salt() const {
    const std::lock_guard lock(m_mutex);
    return m_salt;
}

std::string CSCensus::pixelURL() const {
    const std::lock_guard lock(m_mutex);
    return m_pixelURL;
}

std::vector<std::string> CSCensus::sentEvents() const {
    const std::lock_guard lock(m_mutex);
    return m_sentEvents;
}

}  // namespace qov
