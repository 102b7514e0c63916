#include <gtest/gtest.h>

#include "app/neighbours/QOVFacebookService.h"
#include "app/neighbours/QOVTwitterService.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

class SignInRecorder : public QOVTwitterServiceDelegate, public QOVFacebookServiceDelegate {
public:
    void twitterLoginFailed() override { ++failures; }
    void facebookLoginFailed() override { ++failures; }
    int failures = 0;
};

class SocialServicesTest : public qovtest::ManualClockFixture {
protected:
    qovtest::TempHome m_home;
    std::shared_ptr<platform::UserDefaults> m_defaults =
        std::make_shared<platform::UserDefaults>(m_home.path() / "defaults.plist");
    std::shared_ptr<SignInRecorder> m_recorder = std::make_shared<SignInRecorder>();
};

TEST_F(SocialServicesTest, ATwitterSignInFailsOnALaterTurnAndLogoutForgetsTheToken) {
    m_defaults->setString("token", QOVTwitterService::kAuthDataKey);
    QOVTwitterService twitter(m_defaults);
    EXPECT_TRUE(twitter.isAuthorized());
    twitter.setTwitterServiceDelegate(m_recorder);
    twitter.authorize();
    twitter.appDidReceiveAuthorizationRequestCallback("qov://swagger-access?oauth_token=x");
    EXPECT_EQ(m_recorder->failures, 0);
    loop().runUntilIdle();
    EXPECT_EQ(m_recorder->failures, 2);

    twitter.logout();
    EXPECT_FALSE(twitter.isAuthorized());
    EXPECT_TRUE(m_defaults->objectForKey(QOVTwitterService::kAuthDataKey).isNull());
}

TEST_F(SocialServicesTest, AFacebookSessionLastsUntilItsExpiry) {
    const auto now = clock()->now();
    m_defaults->setString("token", QOVFacebookService::kAccessTokenKey);
    m_defaults->setObject(platform::Value(now.addingTimeInterval(60.0)), QOVFacebookService::kExpirationDateKey);
    QOVFacebookService facebook(m_defaults);
    EXPECT_TRUE(facebook.isAuthorized());
    facebook.loginWithDelegate(m_recorder);
    advance(61.0);
    EXPECT_FALSE(facebook.isAuthorized());
    EXPECT_EQ(m_recorder->failures, 0);

    facebook.loginWithDelegate(m_recorder);
    loop().runUntilIdle();
    EXPECT_EQ(m_recorder->failures, 1);

    facebook.setUserReturnedFromAuthentication(true);
    facebook.loginWithDelegate(m_recorder);
    loop().runUntilIdle();
    EXPECT_EQ(m_recorder->failures, 1);

    facebook.logout();
    EXPECT_FALSE(facebook.userReturnedFromAuthentication());
    EXPECT_TRUE(m_defaults->objectForKey(QOVFacebookService::kAccessTokenKey).isNull());
    EXPECT_TRUE(m_defaults->objectForKey(QOVFacebookService::kExpirationDateKey).isNull());
    EXPECT_FALSE(facebook.facebook().handleOpenURL("fb123://authorize#access_token=x"));
}

}  // namespace
}  // namespace qov
