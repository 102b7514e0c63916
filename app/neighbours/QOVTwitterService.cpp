#include "app/neighbours/QOVTwitterService.h"

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

std::shared_ptr<QOVTwitterService> QOVTwitterService::sharedInstance() {
    static const auto service = std::make_shared<QOVTwitterService>();
    return service;
}

const std::string& QOVTwitterService::authorizationCallbackHost() {
    static const std::string host = "swagger-access";
    return host;
}

void QOVTwitterService::appDidReceiveAuthorizationRequestCallback(const std::string& url) {
    QOV_LOG_INFO("Twitter sign-in callback received");
    m_callbackURLs.push_back(url);
}

}  // namespace qov
