#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "tests/app/core/cache/CacheFixture.h"
#include "tests/app/core/cache/RecordingConfigurationListener.h"

namespace {

using qov::QOVMobileAppConfig;
using qovtest::RecordingConfigurationListener;

class ConfigurationListeningTest : public qovtest::CacheFixture {
protected:
    // A configuration of the id, ageSeconds old, fresh for ttl seconds.
    std::shared_ptr<QOVMobileAppConfig> makeConfiguration(const std::string& applicationId, double ttl,
                                                          double ageSeconds = 0.0) const {
        return madeAgo(ageSeconds, [&] { return std::make_shared<QOVMobileAppConfig>(applicationId, ttl); });
    }

    std::shared_ptr<qov::MemoryApplicationCache> cache = std::make_shared<qov::MemoryApplicationCache>(datasource);
    std::shared_ptr<RecordingConfigurationListener> listener = std::make_shared<RecordingConfigurationListener>();
};

TEST_F(ConfigurationListeningTest, FreshConfigurationAnswersAtOnceAndAStaleOneOnlyOnceStoredAgain) {
    const auto fresh = makeConfiguration("other", 3600.0, 100.0);
    cache->storeConfiguration(fresh);
    cache->storeConfiguration(makeConfiguration("app", 900.0, 1000.0));
    loop().runUntilIdle();
    cache->startListeningForConfiguration("other", 3600.0, listener);
    ASSERT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(listener->received[0], fresh);
    EXPECT_TRUE(datasource->calls.empty());
    listener->received.clear();

    cache->startListeningForConfiguration("app", 1200.0, listener);
    EXPECT_TRUE(listener->received.empty());
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestConfiguration app 1200"});
    loop().runUntilIdle();

    const auto stored = makeConfiguration("app", 1200.0);
    cache->storeConfiguration(stored);
    EXPECT_TRUE(listener->received.empty()) << "configuration notices go through the main loop";
    loop().runUntilIdle();
    ASSERT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(listener->received[0], stored);
}

TEST_F(ConfigurationListeningTest, NoticeWalksACopySoListenersMayStopDuringIt) {
    auto second = std::make_shared<RecordingConfigurationListener>();
    listener->onChange = [&](const auto&) {
        cache->stopListeningForConfiguration("app", listener.get());
        cache->stopListeningForConfigurationDelegate(second.get());
    };
    cache->startListeningForConfiguration("app", 900.0, listener);
    cache->startListeningForConfiguration("app", 900.0, second);
    loop().runUntilIdle();

    cache->storeConfiguration(makeConfiguration("app", 900.0));
    loop().runUntilIdle();
    EXPECT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(second->received.size(), 1u);

    cache->storeConfiguration(makeConfiguration("app", 900.0));
    loop().runUntilIdle();
    EXPECT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(second->received.size(), 1u);
}

TEST_F(ConfigurationListeningTest, StopBeforeTheQueuedRegistrationCancelsItAndAnEmptyIdDoesNothing) {
    cache->startListeningForConfiguration("app", 900.0, listener);
    cache->stopListeningForConfigurationDelegate(listener.get());
    datasource->calls.clear();
    cache->startListeningForConfiguration("", 900.0, listener);
    cache->storeConfiguration(makeConfiguration("app", 900.0));
    loop().runUntilIdle();
    EXPECT_TRUE(datasource->calls.empty());
    EXPECT_TRUE(listener->received.empty());
}

}  // namespace
