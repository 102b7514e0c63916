#pragma once

#include <memory>
#include <string>

#include "app/neighbours/QOVTwitterServiceDelegate.h"

namespace platform {
class UserDefaults;
}

namespace qov {

// The Twitter account of the application: whether it holds an access token (kept in the user default
// "twitterAuthDataString"), signing in and out. No Twitter service is reachable from this system, so a
// sign-in ends, on a later main-loop turn, in the delegate's twitterLoginFailed with a log line. The
// delegate is not retained. Main thread only.
class QOVTwitterService {
public:
    static constexpr const char* kAuthDataKey = "twitterAuthDataString";

    // The process instance over UserDefaults::standard(), made on first use.
    static std::shared_ptr<QOVTwitterService> sharedInstance();
    // Tests: the next sharedInstance() makes a new one.
    static void resetSharedInstance();
    // The host of the sign-in callback URL ("qov://swagger-access?...").
    static const std::string& authorizationCallbackHost();

    // Reads the stored access token.
    explicit QOVTwitterService(std::shared_ptr<platform::UserDefaults> defaults);

    bool isAuthorized() const { return !m_accessToken.empty(); }
    // Starts a sign-in in the outside browser.
    void authorize();
    // The sign-in callback URL opened into the application.
    void appDidReceiveAuthorizationRequestCallback(const std::string& url);
    // Forgets the access token and removes the stored one.
    void logout();

    std::shared_ptr<QOVTwitterServiceDelegate> twitterServiceDelegate() const { return m_delegate.lock(); }
    void setTwitterServiceDelegate(std::weak_ptr<QOVTwitterServiceDelegate> delegate) {
        m_delegate = std::move(delegate);
    }

private:
    void signInFailed(const std::string& reason);

    std::shared_ptr<platform::UserDefaults> m_defaults;
    std::string m_accessToken;
    std::weak_ptr<QOVTwitterServiceDelegate> m_delegate;
};

}  // namespace qov
