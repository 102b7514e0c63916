#include "app/neighbours/QOVTwitterService.h"

#include <mutex>

#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

std::mutex g_sharedMutex;
std::shared_ptr<QOVTwitterService> g_shared;

}  // namespace

std::shared_ptr<QOVTwitterService> QOVTwitterService::sharedInstance() {
    const std::lock_guard lock(g_sharedMutex);
    if (!g_shared) {
        g_shared = std::make_shared<QOVTwitterService>(platform::UserDefaults::standard());
    }
    return g_shared;
}

void QOVTwitterService::resetSharedInstance() {
    const std::lock_guard lock(g_sharedMutex);
    g_shared.reset();
}

const std::string& QOVTwitterService::authorizationCallbackHost() {
    static const std::string host = "swagger-access";
    return host;
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
