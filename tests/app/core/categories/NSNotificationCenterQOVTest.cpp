#include "app/core/categories/NSNotificationCenterQOV.h"

#include <gtest/gtest.h>

#include "platform/base/RunLoop.h"

namespace qov {
namespace {

TEST(NSNotificationCenterQOVTest, PostsOnALaterTurnOfTheMainLoop) {
    platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>());
    platform::NotificationCenter center;
    std::vector<std::string> seen;
    int owner = 0;
    center.addObserver(&owner, "Ping", [&](const platform::Notification& notification) {
        const auto* number = platform::valueForKey(notification.userInfo, "n");
        seen.push_back(notification.name + ":" + (number ? number->stringValue() : std::string()));
    });
    NSNotificationCenterQOV::postNotificationOnMainThreadName(center, "Ping", {}, {{"n", "1"}});
    NSNotificationCenterQOV::postNotificationOnMainThreadName(center, "Ping", {});
    NSNotificationCenterQOV::postNotificationOnMainThread(center, {"Ping", {}, {{"n", "3"}}});
    EXPECT_TRUE(seen.empty());
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(seen, (std::vector<std::string>{"Ping:1", "Ping:", "Ping:3"}));
    platform::Clock::setShared(std::make_shared<platform::SystemClock>());
}

}  // namespace
}  // namespace qov
