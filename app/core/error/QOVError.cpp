#include "app/core/error/QOVError.h"

#include <map>
#include <mutex>

#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"

namespace qov {

namespace {

// The registered error of each category. Guarded so that a report from another thread cannot corrupt it;
// notifications are posted outside the lock.
struct Registry {
    std::mutex mutex;
    std::map<std::int32_t, std::shared_ptr<QOVError>> errors;
};

Registry& registry() {
    static platform::NeverDestroyed<Registry> instance;
    return *instance;
}

void post(const char* name, const platform::ObjectPtr& sender, std::shared_ptr<QOVError> error) {
    platform::Dictionary userInfo;
    userInfo[QOVError::kErrorKey] = platform::Value(std::move(error));
    platform::NotificationCenter::defaultCenter().postNotification(name, platform::Value(sender), std::move(userInfo));
}

}  // namespace

QOVError::QOVError(std::int32_t category, std::int32_t type, std::string textKey)
    : m_category(category), m_type(type), m_textKey(std::move(textKey)) {}

void QOVError::fireErrorWithCategory(std::int32_t category, std::int32_t type, std::string textKey,
                                     const platform::ObjectPtr& sender) {
    auto error = std::make_shared<QOVError>(category, type, std::move(textKey));
    {
        auto& shared = registry();
        std::lock_guard lock(shared.mutex);
        if (!shared.errors.try_emplace(category, error).second) {
            return;
        }
    }
    post(kFiredNotification, sender, std::move(error));
}

void QOVError::clearErrorWithCategory(std::int32_t category, const platform::ObjectPtr& sender) {
    {
        auto& shared = registry();
        std::lock_guard lock(shared.mutex);
        shared.errors.erase(category);
    }
    post(kClearedNotification, sender, std::make_shared<QOVError>(category, 0, std::string()));
}

void QOVError::clearAllErrors() {
    auto& shared = registry();
    std::lock_guard lock(shared.mutex);
    shared.errors.clear();
}

}  // namespace qov
