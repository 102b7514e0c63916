#include "app/neighbours/FacebookSession.h"

#include "platform/base/Clock.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

void FacebookSession::restore(std::string accessToken, std::optional<platform::Date> expirationDate) {
    m_accessToken = std::move(accessToken);
    m_expirationDate = expirationDate;
}

bool FacebookSession::isSessionValid() const {
    return !m_accessToken.empty() && m_expirationDate &&
           m_expirationDate->secondsSince1970 > platform::Clock::shared()->now().secondsSince1970;
}

bool FacebookSession::handleOpenURL(const std::string& url) {
    QOV_LOG_WARN("No Facebook service answers the sign-in callback {}", url);
    return false;
}

}  // namespace qov
