#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>

#include "app/legacymaps/net/AsyncURLRequestConnectionDelegate.h"
#include "app/legacymaps/net/AsyncURLRequestConnectionHandler.h"
#include "app/legacymaps/net/AsyncURLRequestTypes.h"
#include "platform/base/OperationQueue.h"
#include "platform/net/HttpRequest.h"

namespace qov {

// Downloads one URL on MainQueue with up to three attempts (time-outs of 3, 5 and 10 s of inactivity) and hands
// the decoded body to the caller's target, or after the third failed attempt the last error to its failure
// target, exactly once. Statuses of 400 and above count as failed attempts. A JSON or XML body that does not
// decode is a failure reported at once (the server answered; asking again would not help).
//
// Threads: a concurrent operation. The queue's worker only hands the attempts to the main loop and is free again;
// the request stays in the queue's operations (and can be found by its user data) until it finishes or is
// cancelled, while its transfers run on the platform's transfer loop without a thread of their own (see
// MainQueue). Attempts, deliveries and callbacks run on the main loop. cancel() works from any thread and stops the
// attempt's transfer; a cancelled request reports nothing. A priority override other than -1 becomes the operation's
// queue priority.
class AsyncURLRequest : public platform::Operation, public AsyncURLRequestConnectionDelegate {
public:
    static constexpr std::size_t kAttempts = 3;
    static constexpr int kNoPriorityOverride = -1;

    // A new request for url, already added to MainQueue.
    static std::shared_ptr<AsyncURLRequest> asyncURLRequest(const std::string& url, RequestDataType requestDataType,
                                                            platform::Value userData, int priorityOverride,
                                                            AsyncURLRequestTargets targetsAndSelectors);
    // Cancels every request on MainQueue whose user data equals userData and that is not cancelled yet.
    static void cancelAsyncURLRequestWithUserData(const platform::Value& userData);

    AsyncURLRequest(std::string url, RequestDataType requestDataType, platform::Value userData, int priorityOverride,
                    AsyncURLRequestTargets targetsAndSelectors);
    ~AsyncURLRequest() override;

    const std::string& url() const { return m_url; }
    const platform::Value& userData() const { return m_userData; }
    RequestDataType requestDataType() const { return m_requestDataType; }
    // Main loop. The number of attempts started so far.
    std::size_t currentTimeout() const { return m_currentTimeout; }
    const std::array<double, kAttempts>& timeout() const { return m_timeout; }
    // The attempts' time-outs in seconds; set before the request runs.
    void setTimeout(const std::array<double, kAttempts>& seconds) { m_timeout = seconds; }

    bool isConcurrent() const override { return true; }
    void cancel() override;

    // AsyncURLRequestConnectionDelegate (main loop).
    void handleResult(const platform::Value& result) override;
    void handleFailure(const AsyncURLRequestError& error) override;

protected:
    void main() override;

private:
    void start();
    void startAttempt();
    void fail(const AsyncURLRequestError& error);
    void report(const AsyncURLRequestError& error);
    void finish();
    void setConnection(std::shared_ptr<platform::net::HttpRequest> connection);

    const std::string m_url;
    const platform::Value m_userData;
    const RequestDataType m_requestDataType;
    AsyncURLRequestTargets m_targets;
    std::array<double, kAttempts> m_timeout{3.0, 5.0, 10.0};
    std::size_t m_currentTimeout = 0;
    std::shared_ptr<AsyncURLRequestConnectionHandler> m_connectionHandler;

    std::mutex m_connectionMutex;
    std::shared_ptr<platform::net::HttpRequest> m_connection;
};

}  // namespace qov
