#include "app/neighbours/QOVFacebookService.h"

#include <mutex>

#include "app/core/model/QOVLocation.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

platform::ProcessSlot<QOVFacebookService>& sharedSlot() {
    static platform::ProcessSlot<QOVFacebookService> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVFacebookService> QOVFacebookService::sharedInstance() {
    return sharedSlot().instance(
        [] { return std::make_shared<QOVFacebookService>(platform::UserDefaults::standard()); });
}

void QOVFacebookService::resetSharedInstance() { sharedSlot().exchange(nullptr); }

QOVFacebookService::QOVFacebookService(std::shared_ptr<platform::UserDefaults> defaults)
    : m_defaults(std::move(defaults)) {
    restoreSession();
}

void QOVFacebookService::restoreSession() {
    const auto expiry = m_defaults->objectForKey(kExpirationDateKey);
    const auto* date = expiry.ifDate();
    m_facebook.restore(m_defaults->stringForKey(kAccessTokenKey),
                       date ? std::optional<platform::Date>(*date) : std::nullopt);
}

void QOVFacebookService::loginWithDelegate(std::weak_ptr<QOVFacebookServiceDelegate> delegate) {
    m_delegate = std::move(delegate);
    restoreSession();
    if (m_facebook.isSessionValid()) {
        QOV_LOG_WARN("No Facebook service answers the request for the user's record");
        return;
    }
    if (m_userReturnedFromAuthentication) {
        return;
    }
    QOV_LOG_WARN("Facebook sign-in failed: no Facebook service to authorise with");
    platform::dispatchMain([weakDelegate = m_delegate] {
        if (const auto target = weakDelegate.lock()) {
            target->facebookLoginFailed();
        }
    });
}

void QOVFacebookService::logout() {
    m_facebook.clear();
    m_defaults->removeObjectForKey(kExpirationDateKey);
    m_defaults->removeObjectForKey(kAccessTokenKey);
    m_userReturnedFromAuthentication = false;
}

std::string QOVFacebookService::dialogNameForLocation(const QOVLocation& location) {
    return "Right Now in " + location.displayName();
}

void QOVFacebookService::displayDialogForLocation(const QOVLocation& location) {
    QOV_LOG_WARN("No Facebook service to open the feed dialog \"{}\"", dialogNameForLocation(location));
}

}  // namespace qov
