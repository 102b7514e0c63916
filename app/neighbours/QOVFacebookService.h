#pragma once

#include <memory>
#include <string>

#include "app/neighbours/FacebookSession.h"
#include "app/neighbours/QOVFacebookServiceDelegate.h"

namespace platform {
class UserDefaults;
}

namespace qov {

class QOVLocation;

// The Facebook account of the application: its session (token and expiry kept in the user defaults
// "facebookAccessTokenKey" and "kFacebookExpDateKey"), signing in and out and posting the weather. No
// Facebook service is reachable from this system: a sign-in ends, on a later main-loop turn, in the
// delegate's facebookLoginFailed with a log line, and the user's record never arrives. The delegate is not
// retained. Main thread only.
class QOVFacebookService {
public:
    static constexpr const char* kAccessTokenKey = "facebookAccessTokenKey";
    static constexpr const char* kExpirationDateKey = "kFacebookExpDateKey";

    // The process instance over UserDefaults::standard(), made on first use.
    static std::shared_ptr<QOVFacebookService> sharedInstance();
    // Tests: the next sharedInstance() makes a new one.
    static void resetSharedInstance();

    // Restores the saved session.
    explicit QOVFacebookService(std::shared_ptr<platform::UserDefaults> defaults);

    FacebookSession& facebook() { return m_facebook; }
    bool isAuthorized() const { return m_facebook.isSessionValid(); }

    // Restores the saved session; with a valid one asks for the user's record, otherwise (unless the user
    // is just back from authenticating) starts a sign-in.
    void loginWithDelegate(std::weak_ptr<QOVFacebookServiceDelegate> delegate);
    // Ends the session and removes the saved one.
    void logout();
    bool userReturnedFromAuthentication() const { return m_userReturnedFromAuthentication; }
    void setUserReturnedFromAuthentication(bool returned) { m_userReturnedFromAuthentication = returned; }

    // The feed post for the location's current conditions ("Right Now in <place>").
    static std::string dialogNameForLocation(const QOVLocation& location);
    void displayDialogForLocation(const QOVLocation& location);

private:
    void restoreSession();

    std::shared_ptr<platform::UserDefaults> m_defaults;
    FacebookSession m_facebook;
    std::weak_ptr<QOVFacebookServiceDelegate> m_delegate;
    bool m_userReturnedFromAuthentication = false;
};

}  // namespace qov
