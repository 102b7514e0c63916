#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "app/legacymaps/net/MainQueue.h"
#include "platform/base/Clock.h"
#include "platform/base/RunLoop.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/SimFixture.h"

namespace qovtest {

// The older tile map against the stand-in service: a main loop and the service on one manual clock; the legacy
// request queue is emptied after each test.
class LegacyMapsFixture : public SimFixture {
protected:
    LegacyMapsFixture() { platform::RunLoop::resetMain(m_clock); }
    ~LegacyMapsFixture() override {
        qov::MainQueue::sharedQueue().cancelAllOperations();
        pumpUntil([] { return qov::MainQueue::sharedQueue().operationCount() == 0; });
        platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    }

    qovsim::SimServer::Options simOptions() const override {
        qovsim::SimServer::Options options;
        options.clock = m_clock;
        return options;
    }

    void advance(double seconds) const { platform::RunLoop::main().advance(seconds); }
    // Requests the stand-in received for the path.
    std::size_t requestCount(const std::string& path) {
        std::size_t count = 0;
        for (const auto& request : sim().requestLog()) {
            count += request.path == path ? 1 : 0;
        }
        return count;
    }

private:
    std::shared_ptr<platform::ManualClock> m_clock = std::make_shared<platform::ManualClock>();
};

}  // namespace qovtest
