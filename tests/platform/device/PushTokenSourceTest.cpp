#include "platform/device/PushTokenSource.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/base/Callback.h"
#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace platform::device {
namespace {

// What the application layer hears.
struct Listener {
    std::vector<Data> tokens;
    std::vector<std::string> errors;
    bool tokenOnMainThread = true;
};

class PushTokenSourceTest : public qovtest::ManualClockFixture {
protected:
    PushTokenSourceTest() { PushTokenSource::resetShared(); }
    ~PushTokenSourceTest() override { PushTokenSource::resetShared(); }

    void registerListener() {
        source().registerForRemoteNotifications(
            bindWeak(m_listener,
                     [](Listener& listener, const Data& token) {
                         listener.tokens.push_back(token);
                         listener.tokenOnMainThread = listener.tokenOnMainThread && isMainThread();
                     }),
            bindWeak(m_listener,
                     [](Listener& listener, const std::string& error) { listener.errors.push_back(error); }));
    }

    static PushTokenSource& source() { return PushTokenSource::shared(); }

    std::shared_ptr<Listener> m_listener = std::make_shared<Listener>();
};

const Data kToken{0x01, 0xab, 0x00, 0xff};
const Data kOtherToken{0x02};

TEST_F(PushTokenSourceTest, ATokenFromAnyThreadReachesTheRegisteredCallbackOnALaterTurnOnTheMainThread) {
    EXPECT_FALSE(source().isRegistered());
    registerListener();
    EXPECT_TRUE(source().isRegistered());
    std::thread([] { EXPECT_TRUE(source().deliverDeviceToken(kToken)); }).join();
    EXPECT_TRUE(m_listener->tokens.empty());  // never inline
    loop().runUntilIdle();
    EXPECT_EQ(m_listener->tokens, std::vector<Data>{kToken});
    EXPECT_TRUE(m_listener->tokenOnMainThread);
    EXPECT_TRUE(m_listener->errors.empty());
    EXPECT_EQ(source().deviceToken(), kToken);
}

TEST_F(PushTokenSourceTest, AnAnswerHandedInEarlyWaitsForTheRegistration) {
    source().deliverDeviceToken(kToken);
    loop().runUntilIdle();
    registerListener();
    EXPECT_TRUE(m_listener->tokens.empty());
    loop().runUntilIdle();
    EXPECT_EQ(m_listener->tokens, std::vector<Data>{kToken});

    registerListener();  // every registration is answered, as at each launch
    loop().runUntilIdle();
    EXPECT_EQ(m_listener->tokens.size(), 2U);
}

TEST_F(PushTokenSourceTest, AFailureReachesTheFailureCallbackAndATokenReplacesIt) {
    registerListener();
    source().failRegistration("no push service");
    loop().runUntilIdle();
    EXPECT_EQ(m_listener->errors, std::vector<std::string>{"no push service"});
    EXPECT_EQ(source().deviceToken(), std::nullopt);

    source().deliverDeviceToken(kToken);
    source().deliverDeviceToken(kOtherToken);           // the token changed: both arrive, in order
    EXPECT_FALSE(source().deliverDeviceToken(Data{}));  // an empty token is refused
    loop().runUntilIdle();
    EXPECT_EQ(m_listener->tokens, (std::vector<Data>{kToken, kOtherToken}));
    EXPECT_EQ(source().deviceToken(), kOtherToken);
}

TEST_F(PushTokenSourceTest, AGoneListenerOrAResetHearsNothing) {
    registerListener();
    source().deliverDeviceToken(kToken);
    m_listener.reset();
    EXPECT_NO_FATAL_FAILURE(loop().runUntilIdle());

    m_listener = std::make_shared<Listener>();
    registerListener();
    source().deliverDeviceToken(kToken);
    PushTokenSource::resetShared();
    EXPECT_FALSE(source().isRegistered());
    registerListener();  // a fresh registration must not hear the answer from before the reset
    loop().runUntilIdle();
    EXPECT_TRUE(m_listener->tokens.empty());
    EXPECT_EQ(source().deviceToken(), std::nullopt);
}

}  // namespace
}  // namespace platform::device
