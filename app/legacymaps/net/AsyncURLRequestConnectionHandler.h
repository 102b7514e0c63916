#pragma once

#include <memory>

#include "app/legacymaps/net/AsyncURLRequestConnectionDelegate.h"
#include "app/legacymaps/net/AsyncURLRequestTypes.h"
#include "platform/net/HttpRequest.h"

namespace qov {

// Turns the ends of one request's HTTP attempts into results and failures for its delegate (held weakly).
// A status of 400 or more is a failure ("Network server error #STATUS"); so is any transport error. Raw bytes
// are delivered at once; JSON and XML bodies are decoded on a background thread and the result (null when the
// body does not decode) is delivered on a later turn of the main loop. Everything else runs on the main loop.
class AsyncURLRequestConnectionHandler : public std::enable_shared_from_this<AsyncURLRequestConnectionHandler> {
public:
    static std::shared_ptr<AsyncURLRequestConnectionHandler> connectionHandlerWithDelegate(
        std::weak_ptr<AsyncURLRequestConnectionDelegate> delegate, RequestDataType dataType);

    AsyncURLRequestConnectionHandler(std::weak_ptr<AsyncURLRequestConnectionDelegate> delegate,
                                     RequestDataType dataType);

    RequestDataType requestDataType() const { return m_requestDataType; }
    // Routes the attempt's finish and failure callbacks here (weakly). Call before the attempt starts.
    void attach(platform::net::HttpRequest& connection);
    void clearDelegate() { m_delegate.reset(); }

    // The body decoded as the data type asks; a null value when it does not decode.
    static platform::Value decode(const platform::Data& body, RequestDataType dataType);

private:
    void connectionFinished(platform::net::HttpRequest& connection);
    void connectionFailed(const AsyncURLRequestError& error);
    void sendResult(const platform::Value& result);

    std::weak_ptr<AsyncURLRequestConnectionDelegate> m_delegate;
    RequestDataType m_requestDataType;
};

}  // namespace qov
