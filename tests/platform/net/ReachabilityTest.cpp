#include "platform/net/Reachability.h"

#include <chrono>
#include <vector>

#include <gtest/gtest.h>

#include "platform/base/NotificationCenter.h"
#include "tests/support/NetworkFixture.h"
#include "tests/support/PumpUntil.h"

namespace {

using platform::Notification;
using platform::NotificationCenter;
using platform::net::Error;
using platform::net::Reachability;
using qovtest::pumpUntil;

class ReachabilityTest : public qovtest::NetworkFixture {
protected:
    ReachabilityTest() {
        NotificationCenter::defaultCenter().addObserver(
            this, Reachability::kChangedNotification,
            [this](const Notification& notification) {
                m_posts.push_back(notification);
                m_reachableWhenPosted.push_back(Reachability::shared()->isReachable());
            },
            Reachability::shared().get());
    }
    ~ReachabilityTest() override { NotificationCenter::defaultCenter().removeObserver(this); }

    std::vector<Notification> m_posts;
    std::vector<bool> m_reachableWhenPosted;
};

TEST_F(ReachabilityTest, EveryChangeAndOnlyAChangePostsTheNotification) {
    EXPECT_TRUE(Reachability::shared()->isReachable());
    Reachability::shared()->setReachable(true);
    EXPECT_TRUE(m_posts.empty());

    Reachability::shared()->setReachable(false);
    Reachability::shared()->setReachable(false);
    Reachability::shared()->setReachable(true);

    ASSERT_EQ(m_posts.size(), 2u);
    EXPECT_EQ(m_reachableWhenPosted, (std::vector<bool>{false, true}));
    EXPECT_EQ(m_posts[0].name, Reachability::kChangedNotification);
    EXPECT_EQ(m_posts[0].object.object<Reachability>(), Reachability::shared());
    EXPECT_TRUE(m_posts[0].userInfo.empty());
}

TEST_F(ReachabilityTest, RequestsFailFastWithoutSendingWhileTheNetworkIsOff) {
    Reachability::shared()->setReachable(false);
    auto offline = makeRequest("/health");
    offline->setTimeOutSeconds(30.0);
    const auto started = std::chrono::steady_clock::now();
    queue().addOperation(offline);
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    ASSERT_TRUE(offline->error().has_value());
    EXPECT_EQ(offline->error()->code(), Error::Code::ConnectionFailure);
    EXPECT_TRUE(sim().requestLog().empty());

    Reachability::shared()->setReachable(true);
    auto online = makeRequest("/health");
    queue().addOperation(online);
    ASSERT_TRUE(pumpUntil([&] { return outcome().finished == 1; }));
    EXPECT_EQ(online->responseStatusCode(), 200);
}

}  // namespace
