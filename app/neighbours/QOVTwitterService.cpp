#include "app/neighbours/QOVTwitterService.h"

#include <mutex>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

platform::ProcessSlot<QOVTwitterService>& sharedSlot() {
    static platform::ProcessSlot<QOVTwitterService> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVTwitterService> QOVTwitterService::sharedInstance() {
    return sharedSlot().instance(
        [] { return std::make_shared<QOVTwitterService>(platform::UserDefaults::standard()); });
}

void QOVTwitterService::resetSharedInstance() { sharedSlot().exchange(nullptr); }

const std::string& QOVTwitterService::authorizationCallbackHost() {
    static platform::NeverDestroyed<const std::string> host("swagger-access");
    return *host;
}

QOVTwitterService::QOVTwitterService(std::shared_ptr<platform::UserDefaults> defaults)
    : m_defaults(std::move(defaults)), m_accessToken(m_defaults->stringForKey(kAuthDataKey)) {}

void QOVTwitterService::authorize() { signInFailed("no Twitter service to ask for a request token"); }

void QOVTwitterService::appDidReceiveAuthorizationRequestCallback(const std::string& url) {
    signInFailed("no Twitter service to trade the callback " + url + " for an access token");
}

void QOVTwitterService::logout() {
    m_accessToken.clear();
    m_defaults->removeObjectForKey(kAuthDataKey);
    m_defaults->synchronize();
}

void QOVTwitterService::signInFailed(const std::string& reason) {
    QOV_LOG_WARN("Twitter sign-in failed: {}", reason);
    platform::dispatchMain([delegate = m_delegate] {
        if (const auto target = delegate.lock()) {
            target->twitterLoginFailed();
        }
    });
}

}  // namespace qov
