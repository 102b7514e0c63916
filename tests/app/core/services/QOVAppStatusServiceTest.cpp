#include "app/core/services/QOVAppStatusService.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/services/QOVSettingsService.h"
#include "sim/SimServer.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/app/SettingsFixture.h"

namespace qov {
namespace {

// Status checks against the stand-in service's status routes, with the timer on the manual clock.
class AppStatusServiceTest : public qovtest::SettingsFixture {
protected:
    ~AppStatusServiceTest() override {
        service->stopService();
        service->setTestMode(false);
        sim.stop();
    }

    std::vector<std::string> requestedPaths() const {
        std::vector<std::string> paths;
        for (const auto& request : sim.requestLog()) {
            paths.push_back(request.path);
        }
        return paths;
    }

    // Runs the main loop until the service's queue is empty and its deliveries have run.
    bool waitUntilIdle() {
        return qovtest::pumpUntil([this] { return service->queue().operationCount() == 0; });
    }

    qovsim::SimServer sim;
    const bool started = sim.start();
    std::shared_ptr<QOVSettingsService> settings = makeService();
    std::shared_ptr<QOVAppStatusService> service = std::make_shared<QOVAppStatusService>(settings, sim.baseUrl());
};

TEST_F(AppStatusServiceTest, StartingChecksAtOnceThenEveryFifteenMinutesUntilStopped) {
    ASSERT_TRUE(started);
    service->startService();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestedPaths(), (std::vector<std::string>{"/swagger_update_prod"}));

    advance(QOVAppStatusService::kStatusCheckInterval - 1.0);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestedPaths().size(), 1u);
    advance(1.0);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestedPaths().size(), 2u);

    service->stopService();
    advance(3 * QOVAppStatusService::kStatusCheckInterval);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requestedPaths().size(), 2u);
}

TEST_F(AppStatusServiceTest, AnAnswerOf200TurnsTheSocialFeatureOn) {
    ASSERT_TRUE(started);
    settings->setSwaggerStatus(QOVSettingsService::kSwaggerStatusAllOff);
    service->performStatusChecks();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusOn);
    EXPECT_EQ(statusNotifications.size(), 2u);
}

TEST_F(AppStatusServiceTest, AFailedCheckLeavesTheStatusAsItIs) {
    ASSERT_TRUE(started);
    settings->setSwaggerStatus(QOVSettingsService::kSwaggerStatusComposeOff);
    qovsim::Fault serverError;
    serverError.pathPattern = "/swagger_update_*";
    serverError.status = 500;
    sim.faults().add(serverError);
    service->performStatusChecks();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusComposeOff);

    // No server at all.
    const auto unreachable = std::make_shared<QOVAppStatusService>(settings, "http://127.0.0.1:1");
    unreachable->performStatusChecks();
    ASSERT_TRUE(qovtest::pumpUntil([&] { return unreachable->queue().operationCount() == 0; }));
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusComposeOff);
    EXPECT_EQ(statusNotifications.size(), 1u);
}

TEST_F(AppStatusServiceTest, TestModeUsesTheTestAddressAndLogsTheProgress) {
    ASSERT_TRUE(started);
    const qovtest::LogCapture log;
    service->performStatusChecks();
    ASSERT_TRUE(waitUntilIdle());
    service->setTestMode(true);
    service->performStatusChecks();
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(requestedPaths(), (std::vector<std::string>{"/swagger_update_prod", "/swagger_update_test"}));
    EXPECT_TRUE(log.contains("checking swagger status with URL: " + sim.baseUrl() + "/swagger_update_test"));
    EXPECT_TRUE(log.contains("swagger status check returned: 0"));
}

TEST_F(AppStatusServiceTest, AServiceGoneStopsItsTimerAndIgnoresItsAnswers) {
    ASSERT_TRUE(started);
    settings->setSwaggerStatus(QOVSettingsService::kSwaggerStatusAllOff);
    auto shortLived = std::make_shared<QOVAppStatusService>(settings, sim.baseUrl());
    shortLived->startService();
    shortLived.reset();
    advance(2 * QOVAppStatusService::kStatusCheckInterval);
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusAllOff);
}

}  // namespace
}  // namespace qov
