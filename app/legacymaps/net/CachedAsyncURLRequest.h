#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "app/legacymaps/net/AsyncURLRequestTypes.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/Value.h"

namespace qov {

class AsyncURLRequest;

// A light operation on MainQueue that, when it runs, delivers the result it was given or, without one, starts
// an AsyncURLRequest for the same URL, data type, user data and priority and passes that request's result or
// failure on to its own targets. It ends when it has handed over; the work goes on in the AsyncURLRequest
// (which keeps this operation, and so its targets, until it finishes). cancel() (any thread) also cancels that
// request, so a cancel always reaches the transfer and nothing is delivered afterwards.
//
// Threads: the queue runs it on a worker; the delivery or the hand-over happens on a later turn of the main
// loop, and so do the targets.
class CachedAsyncURLRequest : public platform::Operation {
public:
    static std::shared_ptr<CachedAsyncURLRequest> asyncURLRequest(const std::string& url, double cacheInterval,
                                                                  RequestDataType requestDataType,
                                                                  platform::Value userData, int priorityOverride,
                                                                  AsyncURLRequestTargets targetsAndSelectors);

    CachedAsyncURLRequest(std::string url, double cacheInterval, RequestDataType requestDataType,
                          platform::Value userData, int priorityOverride, AsyncURLRequestTargets targetsAndSelectors);

    const std::string& url() const { return m_url; }
    // Kept for the caller; nothing reads it.
    double cacheInterval() const { return m_cacheInterval; }
    int priorityOverride() const { return m_priorityOverride; }
    // A result to deliver without the network; set before the operation runs.
    void setResult(platform::Value result) { m_result = std::move(result); }

    // Main loop: the delivery or hand-over described above; then the result and the user data are cleared.
    void sendResult();
    void cancel() override;

protected:
    void main() override;

private:
    void success(const platform::Value& userData, const platform::Value& result);
    void failure(const platform::Value& userData, const AsyncURLRequestError& error);

    const double m_cacheInterval;
    const std::string m_url;
    const RequestDataType m_requestDataType;
    AsyncURLRequestTargets m_targets;
    platform::Value m_result;
    platform::Value m_userData;
    const int m_priorityOverride;
    std::mutex m_requestMutex;
    std::weak_ptr<AsyncURLRequest> m_request;
};

}  // namespace qov
