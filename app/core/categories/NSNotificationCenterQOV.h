#pragma once

#include <string>

#include "platform/base/NotificationCenter.h"

namespace qov {

// Posting a notification on the main thread: the post always happens on a later turn of the main run loop
// (also when called on the main thread), so these return before any observer runs.
class NSNotificationCenterQOV {
public:
    static void postNotificationOnMainThread(platform::NotificationCenter& center, platform::Notification notification);
    static void postNotificationOnMainThreadName(platform::NotificationCenter& center, std::string name,
                                                 platform::Value object);
    static void postNotificationOnMainThreadName(platform::NotificationCenter& center, std::string name,
                                                 platform::Value object, platform::Dictionary userInfo);
};

}  // namespace qov
