#pragma once

#include <memory>
#include <string>

#include "platform/base/Clock.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/RunLoop.h"
#include "platform/net/HttpRequest.h"
#include "platform/net/Reachability.h"
#include "tests/support/SimFixture.h"

namespace qovtest {

// Network tests: the stand-in service on a loopback port, a main loop on the system clock (transfers take real
// time), a reachable network and a queue of the default width. Requests made by makeRequest() count their
// deliveries in outcome() and run on the transfer loop once runOnTransferLoop(true) was called.
class NetworkFixture : public SimFixture {
protected:
    struct Outcome {
        int finished = 0;
        int failed = 0;
        bool onMainThreadOnly = true;
        bool delivered() const { return finished + failed > 0; }
    };

    NetworkFixture() {
        platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
        platform::NotificationCenter::resetDefaultCenter();
        platform::net::Reachability::reset();
    }

    ~NetworkFixture() override {
        platform::net::Reachability::reset();
        platform::NotificationCenter::resetDefaultCenter();
        platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    }

    platform::OperationQueue& queue() { return m_queue; }
    const Outcome& outcome() const { return *m_outcome; }
    void resetOutcome() { m_outcome = std::make_shared<Outcome>(); }
    void runOnTransferLoop(bool onLoop) { m_runsOnTransferLoop = onLoop; }

    std::shared_ptr<platform::net::HttpRequest> makeRequestForUrl(std::string url) {
        auto request = std::make_shared<platform::net::HttpRequest>(std::move(url));
        request->setRunsOnTransferLoop(m_runsOnTransferLoop);
        request->setOnFinished([outcome = m_outcome](platform::net::HttpRequest&) {
            ++outcome->finished;
            outcome->onMainThreadOnly = outcome->onMainThreadOnly && platform::isMainThread();
        });
        request->setOnFailed([outcome = m_outcome](platform::net::HttpRequest&) {
            ++outcome->failed;
            outcome->onMainThreadOnly = outcome->onMainThreadOnly && platform::isMainThread();
        });
        return request;
    }

    std::shared_ptr<platform::net::HttpRequest> makeRequest(const std::string& path) {
        return makeRequestForUrl(simUrl(path));
    }

private:
    platform::OperationQueue m_queue;
    std::shared_ptr<Outcome> m_outcome = std::make_shared<Outcome>();
    bool m_runsOnTransferLoop = false;
};

}  // namespace qovtest
