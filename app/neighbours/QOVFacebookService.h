#pragma once

#include <memory>
#include <string>
#include <vector>

namespace qov {

// The Facebook service as the shell uses it: the return from the outside sign-in and the URL it comes back with.
// Main thread only.
class QOVFacebookService {
public:
    // The sign-in session object to which opened URLs are handed.
    class Session {
    public:
        bool handleOpenURL(const std::string& url);
        const std::vector<std::string>& openedURLs() const { return m_openedURLs; }

    private:
        std::vector<std::string> m_openedURLs;
    };

    static std::shared_ptr<QOVFacebookService> sharedInstance();

    bool userReturnedFromAuthentication() const { return m_userReturnedFromAuthentication; }
    void setUserReturnedFromAuthentication(bool returned) { m_userReturnedFromAuthentication = returned; }
    Session& facebook() { return m_session; }

private:
    bool m_userReturnedFromAuthentication = false;
    Session m_session;
};

}  // namespace qov
