#include "app/legacymaps/net/AsyncURLRequestConnectionHandler.h"

#include <fmt/format.h>

#include <string_view>

#include "app/core/model/JsonDocumentParser.h"
#include "app/core/model/JsonPlatformValue.h"
#include "app/core/xml/XMLParseUtilities.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(7)

namespace qov {

std::shared_ptr<AsyncURLRequestConnectionHandler> AsyncURLRequestConnectionHandler::connectionHandlerWithDelegate(
    std::weak_ptr<AsyncURLRequestConnectionDelegate> delegate, RequestDataType dataType) {
    return std::make_shared<AsyncURLRequestConnectionHandler>(std::move(delegate), dataType);
}

AsyncURLRequestConnectionHandler::AsyncURLRequestConnectionHandler(
    std::weak_ptr<AsyncURLRequestConnectionDelegate> delegate, RequestDataType dataType)
    : m_delegate(std::move(delegate)), m_requestDataType(dataType) {}

void AsyncURLRequestConnectionHandler::attach(platform::net::HttpRequest& connection) {
    const auto self = shared_from_this();
    connection.setOnFinished(platform::bindWeak(self, &AsyncURLRequestConnectionHandler::connectionFinished));
    connection.setOnFailed(
        platform::bindWeak(self, [](AsyncURLRequestConnectionHandler& handler, platform::net::HttpRequest& failed) {
            const auto& error = failed.error();
            handler.connectionFailed(AsyncURLRequestError{
                std::string(platform::net::Error::kDomain), error ? static_cast<std::int64_t>(error->code()) : 0,
                error ? error->description() : std::string("The request failed")});
        }));
}

platform::Value AsyncURLRequestConnectionHandler::decode(const platform::Data& body, RequestDataType dataType) {
    const std::string_view text(reinterpret_cast<const char*>(body.data()), body.size());
    switch (dataType) {
        case RequestDataType::RawBytes: return body;
        case RequestDataType::JSON:
            if (const auto root = JsonDocumentParser::parse(text)) {
                return JsonPlatformValue::fromElement(*root).value_or(platform::Value());
            }
            return {};
        case RequestDataType::XML:
            if (const auto nodes = PerformXMLAllNodesQuery(text); nodes && !nodes->empty()) {
                return nodes->front();
            }
            return {};
    }
    return {};
}

void AsyncURLRequestConnectionHandler::connectionFinished(platform::net::HttpRequest& connection) {
    const int status = connection.responseStatusCode();
    if (status >= 400) {
        connectionFailed(AsyncURLRequestError{std::string(AsyncURLRequestError::kDomain), status,
                                              fmt::format("Network server error #{}", status)});
        return;
    }
    if (m_requestDataType == RequestDataType::RawBytes) {
        sendResult(connection.responseData());
        return;
    }
    platform::GlobalQueue::async(
        [weakSelf = weak_from_this(), body = connection.responseData(), dataType = m_requestDataType] {
            platform::Value result = decode(body, dataType);
            platform::dispatchMain([weakSelf, result = std::move(result)] {
                if (const auto self = weakSelf.lock()) {
                    self->sendResult(result);
                }
            });
        });
}

void AsyncURLRequestConnectionHandler::connectionFailed(const AsyncURLRequestError& error) {
    QOV_LOG_WARN("Loading FAILED: [{} {}: {}]", error.domain, error.code, error.localizedDescription);
    if (const auto delegate = m_delegate.lock()) {
        delegate->handleFailure(error);
    }
}

void AsyncURLRequestConnectionHandler::sendResult(const platform::Value& result) {
    if (const auto delegate = m_delegate.lock()) {
        delegate->handleResult(result);
    }
}

}  // namespace qov
