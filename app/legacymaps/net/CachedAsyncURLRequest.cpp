#include "app/legacymaps/net/CachedAsyncURLRequest.h"

#include "app/legacymaps/net/AsyncURLRequest.h"
#include "app/legacymaps/net/MainQueue.h"
#include "platform/base/RunLoop.h"

namespace qov {

std::shared_ptr<CachedAsyncURLRequest> CachedAsyncURLRequest::asyncURLRequest(
    const std::string& url, double cacheInterval, RequestDataType requestDataType, platform::Value userData,
    int priorityOverride, AsyncURLRequestTargets targetsAndSelectors) {
    auto request = std::make_shared<CachedAsyncURLRequest>(url, cacheInterval, requestDataType, std::move(userData),
                                                           priorityOverride, std::move(targetsAndSelectors));
    MainQueue::sharedQueue().addOperation(request);
    return request;
}

CachedAsyncURLRequest::CachedAsyncURLRequest(std::string url, double cacheInterval, RequestDataType requestDataType,
                                             platform::Value userData, int priorityOverride,
                                             AsyncURLRequestTargets targetsAndSelectors)
    : m_cacheInterval(cacheInterval),
      m_url(std::move(url)),
      m_requestDataType(requestDataType),
      m_targets(std::move(targetsAndSelectors)),
      m_userData(std::move(userData)),
      m_priorityOverride(priorityOverride) {}

void CachedAsyncURLRequest::main() {
    auto self = std::static_pointer_cast<CachedAsyncURLRequest>(shared_from_this());
    platform::dispatchMain([self] { self->sendResult(); });
}

void CachedAsyncURLRequest::sendResult() {
    if (isCancelled()) {
        m_result = {};
        m_userData = {};
        return;
    }
    if (!m_result.isNull()) {
        if (m_targets.target) {
            m_targets.target(m_userData, m_result);
        }
    } else {
        const auto self = std::static_pointer_cast<CachedAsyncURLRequest>(shared_from_this());
        auto request = AsyncURLRequest::asyncURLRequest(
            m_url, m_requestDataType, m_userData, m_priorityOverride,
            AsyncURLRequestTargets{[self](const platform::Value& userData, const platform::Value& result) {
                                       self->success(userData, result);
                                   },
                                   [self](const platform::Value& userData, const AsyncURLRequestError& error) {
                                       self->failure(userData, error);
                                   }});
        {
            std::lock_guard lock(m_requestMutex);
            m_request = request;
        }
        // A cancel on another thread either sees the request or is seen here.
        if (isCancelled()) {
            request->cancel();
        }
    }
    m_result = {};
    m_userData = {};
}

void CachedAsyncURLRequest::cancel() {
    platform::Operation::cancel();
    std::shared_ptr<AsyncURLRequest> request;
    {
        std::lock_guard lock(m_requestMutex);
        request = m_request.lock();
    }
    if (request) {
        request->cancel();
    }
}

void CachedAsyncURLRequest::success(const platform::Value& userData, const platform::Value& result) {
    if (m_targets.target) {
        m_targets.target(userData, result);
    }
}

void CachedAsyncURLRequest::failure(const platform::Value& userData, const AsyncURLRequestError& error) {
    if (m_targets.failureTarget) {
        m_targets.failureTarget(userData, error);
    }
}

}  // namespace qov
