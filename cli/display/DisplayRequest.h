#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qovcli {

// One request to the device display as its connection delivered it: the head is read first (so that who asks
// is known before its body is read or any work is done), then the body its Content-Length announces. Plain
// data: any thread.
struct DisplayRequest {
    std::string method;
    std::string path;                               // the target before any '?'
    std::map<std::string, std::string> parameters;  // the query, percent-decoded; the first of repeated names
    std::string host;                               // the Host header
    std::size_t contentLength = 0;
    std::string body;

    // The named query parameter; "" when absent.
    std::string parameter(const std::string& name) const;
};

// Reads a request's head: the request line ("METHOD TARGET HTTP/1.x") and the header lines, each ending in CRLF
// (a bare LF is taken as well), up to the empty line that ends the head, if it is there. nullopt when it is malformed:
// a bad request line, a header without a colon, a Content-Length that is not a plain decimal number or is given twice,
// or a Transfer-Encoding (bodies come with their length only).
std::optional<DisplayRequest> readDisplayRequestHead(std::string_view head);

// A whole number written in plain decimal digits (no sign, no spaces) that fits in 64 bits; nullopt otherwise.
std::optional<std::uint64_t> plainCount(std::string_view text);

}  // namespace qovcli
