#include "platform/net/HttpRequest.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <curl/curl.h>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/net/HttpTransfer.h"
#include "platform/net/Reachability.h"
#include "platform/net/TransferLoop.h"
#include "platform/net/TransferPool.h"

QOV_LOG_LEVEL(15)

namespace platform::net {

namespace {

// The URL as logged: without its query, which may carry service keys.
std::string loggableUrl(const std::string& url) {
    const auto query = url.find_first_of("?#");
    return query == std::string::npos ? url : url.substr(0, query) + "?...";
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isValidUtf8(const Data& bytes) {
    std::size_t index = 0;
    while (index < bytes.size()) {
        const std::uint8_t lead = bytes[index];
        if (lead < 0x80) {
            ++index;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - index < length) {
            return false;
        }
        for (std::size_t offset = 1; offset < length; ++offset) {
            const std::uint8_t continuation = bytes[index + offset];
            if ((continuation & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6) | (continuation & 0x3F);
        }
        const bool overlong = (length == 2 && codePoint < 0x80) || (length == 3 && codePoint < 0x800) ||
                              (length == 4 && codePoint < 0x10000);
        if (overlong || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        index += length;
    }
    return true;
}

bool isAcceptableHeader(std::string_view name, std::string_view value) {
    const auto breaksLine = [](char c) { return c == '\r' || c == '\n' || c == '\0'; };
    return !name.empty() && std::none_of(name.begin(), name.end(), [&](char c) { return breaksLine(c) || c == ':'; }) &&
           std::none_of(value.begin(), value.end(), breaksLine);
}

}  // namespace

bool HttpRequest::HeaderNameLess::operator()(std::string_view lhs, std::string_view rhs) const {
    return std::lexicographical_compare(lhs.begin(), lhs.end(), rhs.begin(), rhs.end(),
                                        [](char a, char b) { return lowerAscii(a) < lowerAscii(b); });
}

HttpRequest::HttpRequest(std::string url, Dictionary userInfo)
    : Operation(std::move(userInfo)), m_url(std::move(url)) {}

void HttpRequest::addRequestHeader(std::string name, std::string value) {
    if (!isAcceptableHeader(name, value)) {
        QOV_LOG_WARN("Refusing request header {:?} for {}", name, loggableUrl(m_url));
        return;
    }
    m_requestHeaders.emplace_back(std::move(name), std::move(value));
}

void HttpRequest::addPostValue(std::string key, std::string value) {
    m_postValues.emplace_back(std::move(key), std::move(value));
}

void HttpRequest::setTimeOutSeconds(double seconds) {
    if (!std::isfinite(seconds) || seconds <= 0.0) {
        QOV_LOG_WARN("Ignoring time-out {} for {}", seconds, loggableUrl(m_url));
        return;
    }
    m_timeOutSeconds = seconds;
}

void HttpRequest::startAsynchronous() { sharedQueue().addOperation(shared_from_this()); }

OperationQueue& HttpRequest::sharedQueue() {
    static NeverDestroyed<OperationQueue> queue(4);
    return *queue;
}

void HttpRequest::cancel() {
    Operation::cancel();
    std::lock_guard lock(m_transferMutex);
    if (m_activeMulti != nullptr) {
        curl_multi_wakeup(m_activeMulti);
    }
}

std::string HttpRequest::responseString() const {
    if (!isValidUtf8(m_responseData)) {
        QOV_LOG_WARN("The response of {} is not UTF-8 text", loggableUrl(m_url));
        return {};
    }
    return std::string(m_responseData.begin(), m_responseData.end());
}

void HttpRequest::main() {
    if (isCancelled()) {
        endTransfer(std::nullopt);  // the completion reports the cancel
        return;
    }
    if (!Reachability::shared()->isReachable()) {
        endTransfer(Error(Error::Code::ConnectionFailure, "The network is not reachable"));
        return;
    }
    if (m_runsOnTransferLoop) {
        TransferLoop::shared().start(std::static_pointer_cast<HttpRequest>(shared_from_this()));
        return;
    }
    auto handles = TransferPool::shared().checkOut();
    if (!handles) {
        m_error = Error(Error::Code::ConnectionFailure, "The transfer could not start");
        return;
    }
    {
        HttpTransfer transfer(*this, *handles);
        m_error = transfer.run();
    }
    TransferPool::shared().checkIn(*handles);
}

void HttpRequest::endTransfer(std::optional<Error> error) {
    m_error = std::move(error);
    if (m_runsOnTransferLoop) {
        finishConcurrent();
    }
}

void HttpRequest::setActiveMulti(void* multi) {
    std::lock_guard lock(m_transferMutex);
    m_activeMulti = multi;
}

void HttpRequest::completeOnMainThread() {
    if (isCancelled()) {
        m_error = Error::cancelled();
    }
    const Callback finished = std::exchange(m_onFinished, nullptr);
    const Callback failed = std::exchange(m_onFailed, nullptr);
    if (m_error) {
        // Whatever arrived before the failure is no response.
        m_responseStatusCode = 0;
        m_responseHeaders.clear();
        m_responseData.clear();
        QOV_LOG_INFO("{} {} failed: {}", requestMethod(), loggableUrl(m_url), m_error->description());
        if (failed) {
            failed(*this);
        }
    } else if (finished) {
        finished(*this);
    }
}

}  // namespace platform::net
