#include "app/core/categories/NSNotificationCenterQOV.h"

#include "platform/base/RunLoop.h"

namespace qov {

void NSNotificationCenterQOV::postNotificationOnMainThread(platform::NotificationCenter& center,
                                                           platform::Notification notification) {
    platform::dispatchMain([&center, notification = std::move(notification)]() mutable {
        center.postNotification(notification.name, std::move(notification.object), std::move(notification.userInfo));
    });
}

void NSNotificationCenterQOV::postNotificationOnMainThreadName(platform::NotificationCenter& center, std::string name,
                                                               platform::Value object) {
    postNotificationOnMainThreadName(center, std::move(name), std::move(object), {});
}

void NSNotificationCenterQOV::postNotificationOnMainThreadName(platform::NotificationCenter& center, std::string name,
                                                               platform::Value object, platform::Dictionary userInfo) {
    postNotificationOnMainThread(center, {std::move(name), std::move(object), std::move(userInfo)});
}

}  // namespace qov
