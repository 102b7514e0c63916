#include "app/legacymaps/net/AsyncURLRequest.h"

#include <utility>

#include "app/legacymaps/net/MainQueue.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(7)

namespace qov {

std::shared_ptr<AsyncURLRequest> AsyncURLRequest::asyncURLRequest(const std::string& url,
                                                                  RequestDataType requestDataType,
                                                                  platform::Value userData, int priorityOverride,
                                                                  AsyncURLRequestTargets targetsAndSelectors) {
    auto request = std::make_shared<AsyncURLRequest>(url, requestDataType, std::move(userData), priorityOverride,
                                                     std::move(targetsAndSelectors));
    MainQueue::sharedQueue().addOperation(request);
    return request;
}

void AsyncURLRequest::cancelAsyncURLRequestWithUserData(const platform::Value& userData) {
    for (const auto& operation : MainQueue::sharedQueue().operations()) {
        const auto request = std::dynamic_pointer_cast<AsyncURLRequest>(operation);
        if (request && !request->isCancelled() && request->userData() == userData) {
            request->cancel();
        }
    }
}

AsyncURLRequest::AsyncURLRequest(std::string url, RequestDataType requestDataType, platform::Value userData,
                                 int priorityOverride, AsyncURLRequestTargets targetsAndSelectors)
    : m_url(std::move(url)),
      m_userData(std::move(userData)),
      m_requestDataType(requestDataType),
      m_targets(std::move(targetsAndSelectors)) {
    if (priorityOverride != kNoPriorityOverride) {
        setQueuePriority(priorityOverride);
    }
}

AsyncURLRequest::~AsyncURLRequest() {
    if (m_connectionHandler) {
        m_connectionHandler->clearDelegate();
    }
    setConnection(nullptr);
}

void AsyncURLRequest::main() {
    auto self = std::static_pointer_cast<AsyncURLRequest>(shared_from_this());
    platform::dispatchMain([self] { self->start(); });
}

void AsyncURLRequest::cancel() {
    platform::Operation::cancel();
    {
        std::lock_guard lock(m_connectionMutex);
        if (m_connection) {
            m_connection->cancel();
        }
    }
}

void AsyncURLRequest::start() {
    if (isCancelled()) {
        finish();
        return;
    }
    const auto self = std::static_pointer_cast<AsyncURLRequest>(shared_from_this());
    m_connectionHandler = AsyncURLRequestConnectionHandler::connectionHandlerWithDelegate(
        std::weak_ptr<AsyncURLRequestConnectionDelegate>(self), m_requestDataType);
    startAttempt();
}

void AsyncURLRequest::startAttempt() {
    auto connection = std::make_shared<platform::net::HttpRequest>(m_url);
    connection->setTimeOutSeconds(m_timeout[m_currentTimeout]);
    ++m_currentTimeout;
    m_connectionHandler->attach(*connection);
    setConnection(connection);
    // A cancel that came in before the connection was kept must still reach it.
    if (isCancelled()) {
        connection->cancel();
    }
    connection->setQueuePriority(queuePriority());
    connection->setRunsOnTransferLoop(true);
    MainQueue::transferQueue().addOperation(connection);
}

void AsyncURLRequest::handleResult(const platform::Value& result) {
    if (isCancelled()) {
        finish();
        return;
    }
    if (result.isNull() && m_requestDataType != RequestDataType::RawBytes) {
        QOV_LOG_WARN("The answer of {} could not be decoded", m_url);
        report(AsyncURLRequestError{std::string(AsyncURLRequestError::kDomain), AsyncURLRequestError::kUndecodableBody,
                                    "The answer could not be decoded"});
        return;
    }
    if (m_targets.target) {
        m_targets.target(m_userData, result);
    }
    finish();
}

void AsyncURLRequest::handleFailure(const AsyncURLRequestError& error) {
    if (isCancelled()) {
        finish();
        return;
    }
    fail(error);
}

void AsyncURLRequest::fail(const AsyncURLRequestError& error) {
    QOV_LOG_WARN("AsyncURLRequest failed.");
    if (m_currentTimeout < kAttempts) {
        startAttempt();
        return;
    }
    QOV_LOG_WARN("Failed after {} tries. Bailing.", kAttempts);
    report(error);
}

void AsyncURLRequest::report(const AsyncURLRequestError& error) {
    if (m_targets.failureTarget) {
        m_targets.failureTarget(m_userData, error);
    }
    finish();
}

void AsyncURLRequest::finish() {
    setConnection(nullptr);
    // The targets may hold their caller (a cached request passes itself); nothing is sent after this.
    m_targets = {};
    finishConcurrent();
}

void AsyncURLRequest::setConnection(std::shared_ptr<platform::net::HttpRequest> connection) {
    const auto* kept = connection.get();
    std::shared_ptr<platform::net::HttpRequest> old;
    {
        std::lock_guard lock(m_connectionMutex);
        old = std::exchange(m_connection, std::move(connection));
    }
    if (old && old.get() != kept) {
        old->cancel();
    }
}

}  // namespace qov
