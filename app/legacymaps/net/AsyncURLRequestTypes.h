#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/base/Value.h"

namespace qov {

// How a legacy request decodes its body.
enum class RequestDataType : int {
    JSON = 0,      // a platform value (dictionary, list, text, number, flag)
    XML = 1,       // the root element's node dictionary (see XMLParseUtilities.h)
    RawBytes = 2,  // the body's bytes as platform::Data
};

// Why a legacy request gave up. HTTP statuses of 400 and above have the domain "AsyncURLRequestDomain" and the
// status as code, a JSON or XML body that does not decode that domain and kUndecodableBody; transport failures
// keep the network layer's domain and code.
struct AsyncURLRequestError {
    static constexpr std::string_view kDomain = "AsyncURLRequestDomain";
    static constexpr std::int64_t kUndecodableBody = -1;

    std::string domain;
    std::int64_t code = 0;
    std::string localizedDescription;
};

// The caller's "target and selector" pair and its failure pair. Each is sent the request's user data first,
// then the result (a null value when the body did not decode) or the error. They run on the main loop; bind
// them with platform::bindWeak when the request should not keep its caller alive.
struct AsyncURLRequestTargets {
    std::function<void(const platform::Value& userData, const platform::Value& result)> target;
    std::function<void(const platform::Value& userData, const AsyncURLRequestError& error)> failureTarget;
};

}  // namespace qov
