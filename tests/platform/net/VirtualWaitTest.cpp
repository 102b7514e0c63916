// A virtual wait lets network answers land at the virtual time they were asked for, then moves the clock.
#include <gtest/gtest.h>

#include "platform/base/OperationQueue.h"
#include "platform/base/RunLoop.h"
#include "platform/net/HttpRequest.h"
#include "sim/Fault.h"
#include "tests/support/SimFixture.h"

namespace {

class VirtualWaitTest : public qovtest::SimFixture {
protected:
    VirtualWaitTest() { platform::RunLoop::resetMain(m_clock); }
    ~VirtualWaitTest() override { platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>()); }

    double elapsed() const { return m_clock->now().timeIntervalSince(m_start); }

    std::shared_ptr<platform::ManualClock> m_clock = std::make_shared<platform::ManualClock>();
    platform::Date m_start = m_clock->now();
};

TEST_F(VirtualWaitTest, AnswersArriveBeforeTheClockMovesOn) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/health", .delaySeconds = 0.3});
    platform::OperationQueue queue;
    std::vector<std::string> events;
    auto request = std::make_shared<platform::net::HttpRequest>(simUrl("/health"));
    request->setOnFinished(
        [&](platform::net::HttpRequest&) { events.push_back("answer at " + std::to_string(elapsed())); });
    queue.addOperation(request);
    auto& loop = platform::RunLoop::main();
    loop.scheduleTimer(10.0, false,
                       [&](platform::Timer&) { events.push_back("timer at " + std::to_string(elapsed())); });

    loop.runUntil(30.0);
    EXPECT_EQ(events, (std::vector<std::string>{"answer at 0.000000", "timer at 10.000000"}));
    EXPECT_EQ(elapsed(), 30.0);
    EXPECT_FALSE(platform::OperationQueue::hasOperationsAtWorkInProcess());
}

}  // namespace
