#include "app/neighbours/QOVFacebookService.h"

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

std::shared_ptr<QOVFacebookService> QOVFacebookService::sharedInstance() {
    static const auto service = std::make_shared<QOVFacebookService>();
    return service;
}

bool QOVFacebookService::Session::handleOpenURL(const std::string& url) {
    QOV_LOG_INFO("Facebook sign-in return received");
    m_openedURLs.push_back(url);
    return true;
}

}  // namespace qov
