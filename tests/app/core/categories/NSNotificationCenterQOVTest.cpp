#include "app/core/categories/NSNotificationCenterQOV.h"

#include <gtest/gtest.h>

#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

using NSNotificationCenterQOVTest = qovtest::ManualClockFixture;

TEST_F(NSNotificationCenterQOVTest, PostsOnALaterTurnOfTheMainLoop) {
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
    loop().runUntilIdle();
    EXPECT_EQ(seen, (std::vector<std::string>{"Ping:1", "Ping:", "Ping:3"}));
}

}  // namespace
}  // namespace qov
