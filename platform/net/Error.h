#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::net {

// Why a request ended without a response. An HTTP error status is not an Error: such a request finishes
// and the caller reads the status.
class Error {
public:
    enum class Code {
        ConnectionFailure = 1,  // refused, unreachable host or network, DNS failure, broken transfer
        TimedOut = 2,
        Cancelled = 3,
        InvalidRequest = 4,    // a URL or option the transfer could not use
        FileError = 5,         // the download file could not be written
        ResponseTooLarge = 6,  // the body would exceed the request's limit (HttpRequest::setMaxResponseBytes)
    };

    static constexpr std::string_view kDomain = "NetworkRequestErrorDomain";

    Error(Code code, std::string description) : m_code(code), m_description(std::move(description)) {}
    static Error cancelled() { return Error(Code::Cancelled, "The request was cancelled"); }
    static Error timedOut() { return Error(Code::TimedOut, "The request timed out"); }
    static Error responseTooLarge(std::size_t limit) {
        return Error(Code::ResponseTooLarge, "The response is larger than " + std::to_string(limit) + " bytes");
    }

    std::string_view domain() const { return kDomain; }
    Code code() const { return m_code; }
    const std::string& description() const { return m_description; }
    bool isCancelled() const { return m_code == Code::Cancelled; }

private:
    Code m_code;
    std::string m_description;
};

}  // namespace platform::net
