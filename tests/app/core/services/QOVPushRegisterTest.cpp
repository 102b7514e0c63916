#include <gtest/gtest.h>

#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVPushRegister.h"
#include "app/core/services/QOVSettingsService.h"
#include "platform/base/Clock.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"
#include "platform/net/HttpRequest.h"
#include "platform/net/Reachability.h"
#include "platform/ui/Device.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace {

using qov::QOVLocationIdentity;
using qov::QOVPushRegister;

// A 32-byte token: 0x01 0xAB 0x00 0x10 ... 0xFF.
platform::Data token() {
    platform::Data bytes{0x01, 0xAB, 0x00, 0x10};
    bytes.resize(32, 0xFF);
    return bytes;
}
const std::string kTokenDigits = "01ab0010" + std::string(56, 'f');

std::shared_ptr<QOVLocationIdentity> location(const std::string& key, std::int32_t type = 1) {
    return std::make_shared<QOVLocationIdentity>(type, key);
}

// The registration against the stand-in service over loopback (which records the request and answers 404:
// the answer is not read). The settings live in a fresh home; the main loop runs on a manual clock.
class PushRegisterTest : public qovtest::SimFixture {
protected:
    PushRegisterTest() {
        platform::NotificationCenter::resetDefaultCenter();
        platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>());
        platform::net::Reachability::reset();
        platform::ui::Device::current().reset();
    }
    ~PushRegisterTest() override {
        platform::ui::Device::current().reset();
        platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
        platform::NotificationCenter::resetDefaultCenter();
    }

    QOVPushRegister pushRegister() {
        return QOVPushRegister(simUrl().substr(std::string("http://").size()), [this] { return settings; });
    }
    // The registrations the service received, once the request queue is empty.
    std::vector<qovsim::SimRequest> registrations() {
        EXPECT_TRUE(qovtest::pumpUntil([] { return platform::net::HttpRequest::sharedQueue().operationCount() == 0; }));
        std::vector<qovsim::SimRequest> found;
        for (const auto& request : sim().requestLog()) {
            if (request.path == QOVPushRegister::kWritePath) {
                found.push_back(request);
            }
        }
        return found;
    }

    qovtest::TempHome home;
    qovtest::TestBundle bundle;
    std::shared_ptr<qov::QOVSettingsService> settings = qov::QOVSettingsService::create(home.path(), nullptr);
};

TEST(PushRegisterTokenTest, TheTokenBecomesOneRunOfLowerCaseDigits) {
    EXPECT_EQ(QOVPushRegister::transformDeviceId(token()), kTokenDigits);
    EXPECT_EQ(QOVPushRegister::transformDeviceId(platform::Data{}), "");
    EXPECT_EQ(QOVPushRegister::transformDeviceId(std::nullopt), std::nullopt);
}

TEST_F(PushRegisterTest, TheRequestCarriesTheTokenAndTheOneLocationInTheFixedOrder) {
    EXPECT_EQ(pushRegister().registrationURL(token(), location("USGA0028")),
              simUrl("/oskel/xml/push/write?id=" + kTokenDigits +
                     "&locations=!USGA0028:1:US&alerts=*&locale=en_US&version=KESTRO&platform=IPHONE"));
    platform::ui::Device::current().setUserInterfaceIdiom(platform::ui::UserInterfaceIdiom::Pad);
    EXPECT_TRUE(pushRegister().registrationURL(token(), location("USGA0028"))->ends_with("&platform=IPAD"));
    // The location key is percent-encoded.
    const auto url = pushRegister().registrationURL(token(), location("A&alerts=none/../x y", 4));
    EXPECT_NE(url->find("&locations=!A%26alerts%3Dnone%2F..%2Fx%20y:4:US&alerts=*&"), std::string::npos) << *url;
}

TEST_F(PushRegisterTest, ARegistrationReachesTheServiceAndKeepsTheToken) {
    pushRegister().registerDevice(token(), location("USGA0028"));

    const auto received = registrations();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].method, "GET");
    EXPECT_EQ(received[0].queryValue("id"), kTokenDigits);
    EXPECT_EQ(received[0].queryValue("locations"), "!USGA0028:1:US");
    EXPECT_EQ(settings->apnDeviceToken(), token());
}

TEST_F(PushRegisterTest, AnEmptyTokenIsRefusedAndWithoutAChosenLocationTheTokenIsOnlyKept) {
    pushRegister().registerDevice(platform::Data{}, location("USGA0028"));
    EXPECT_EQ(settings->apnDeviceToken(), std::nullopt);
    pushRegister().registerDevice(token(), location("USGA0028", 0));
    pushRegister().registerDevice(token(), nullptr);
    pushRegister().removeDevice(token());  // the service keeps the token; nothing is sent

    EXPECT_TRUE(registrations().empty());
    EXPECT_EQ(settings->apnDeviceToken(), token());
}

TEST_F(PushRegisterTest, WithoutAServiceHostNothingIsSent) {
    QOVPushRegister unconfigured("", [this] { return settings; });
    EXPECT_EQ(unconfigured.registrationURL(token(), location("USGA0028")), std::nullopt);

    unconfigured.registerDevice(token(), location("USGA0028"));
    EXPECT_TRUE(registrations().empty());
    EXPECT_EQ(settings->apnDeviceToken(), token());
}

}  // namespace
