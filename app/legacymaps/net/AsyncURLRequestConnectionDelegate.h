#pragma once

#include "app/legacymaps/net/AsyncURLRequestTypes.h"
#include "platform/base/Value.h"

namespace qov {

// What a connection handler tells its request, on the main loop.
class AsyncURLRequestConnectionDelegate {
public:
    virtual ~AsyncURLRequestConnectionDelegate() = default;
    // The decoded body; a null value when it did not decode.
    virtual void handleResult(const platform::Value& result) = 0;
    virtual void handleFailure(const AsyncURLRequestError& error) = 0;
};

}  // namespace qov
