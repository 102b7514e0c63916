#pragma once

#include <optional>
#include <string>

#include "platform/base/Date.h"

namespace qov {

// The Facebook session the application holds: an access token and its expiry. Sign-in URLs opened into the
// application come here; no Facebook service is reachable from this system, so they are logged and refused.
class FacebookSession {
public:
    const std::string& accessToken() const { return m_accessToken; }
    const std::optional<platform::Date>& expirationDate() const { return m_expirationDate; }
    void restore(std::string accessToken, std::optional<platform::Date> expirationDate);
    void clear() { restore({}, std::nullopt); }
    // A token that has not expired by the process clock.
    bool isSessionValid() const;

    bool handleOpenURL(const std::string& url);

private:
    std::string m_accessToken;
    std::optional<platform::Date> m_expirationDate;
};

}  // namespace qov
