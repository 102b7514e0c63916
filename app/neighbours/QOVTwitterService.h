#pragma once

#include <memory>
#include <string>
#include <vector>

namespace qov {

// The Twitter service as the shell uses it: the sign-in callback host and the hand-over of the callback URL.
// Main thread only.
class QOVTwitterService {
public:
    static std::shared_ptr<QOVTwitterService> sharedInstance();
    // The host of the sign-in callback URL, "swagger-access".
    static const std::string& authorizationCallbackHost();

    // Hands the sign-in callback URL to the service (kept in callbackURLs()).
    void appDidReceiveAuthorizationRequestCallback(const std::string& url);
    const std::vector<std::string>& callbackURLs() const { return m_callbackURLs; }

private:
    std::vector<std::string> m_callbackURLs;
};

}  // namespace qov
