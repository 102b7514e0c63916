#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include <curl/curl.h>

#include "platform/base/ProcessInstance.h"
#include "platform/net/Error.h"

namespace platform::net {

class HttpRequest;
class HttpTransfer;

// One background thread that drives the transfers of many HttpRequests at once through one curl multi handle,
// so that a request waiting on the network holds no thread of its own. Requests that run without a worker
// (HttpRequest::setRunsOnTransferLoop) hand their transfer over here from their main().
//
// Threads: start() from any thread. Everything else runs on the loop's thread: the transfer's set-up, its body
// and header callbacks, its time-out and cancel checks, and its end, which finishes the request as a
// concurrent operation, so that its queue posts the completion (the one callback) to the main loop as it does
// for any request. HttpRequest::cancel() wakes the loop, which ends that transfer at once. Transfers run side
// by side without a limit on their number; the multi handle keeps its connections open for the next transfer
// to the same host.
// Ownership: the loop holds each request until its transfer has ended. The process loop lives until the
// process ends (requests still running at exit are simply not finished).
class TransferLoop {
public:
    static TransferLoop& shared();

    // Any thread. Starts the request's transfer on the loop.
    void start(std::shared_ptr<HttpRequest> request);

private:
    struct Running;
    friend class platform::NeverDestroyed<TransferLoop>;

    TransferLoop();
    ~TransferLoop();
    TransferLoop(const TransferLoop&) = delete;
    TransferLoop& operator=(const TransferLoop&) = delete;

    // The loop's thread.
    [[noreturn]] void run();
    void admitStarted();
    void collectCompleted();
    void stopInterrupted();
    int pollMilliseconds() const;
    // Takes the transfer out of the multi handle and ends its request: with the interruption when there is one,
    // else with what curl's result makes of the response.
    void end(CURL* easy, std::optional<Error> interruption, CURLcode result);

    CURLM* const m_multi;
    std::mutex m_mutex;
    std::vector<std::shared_ptr<HttpRequest>> m_started;            // guarded by m_mutex, not yet on the loop
    std::unordered_map<CURL*, std::unique_ptr<Running>> m_running;  // the loop's thread only
};

}  // namespace platform::net
