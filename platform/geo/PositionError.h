#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace platform::geo {

// Why a position source could not answer: an error domain, a code within it and a readable description.
// Position sources report in the domain kDomain; other domains can come from elsewhere.
class PositionError {
public:
    static constexpr std::string_view kDomain = "kCLErrorDomain";
    // Codes of kDomain.
    static constexpr int kLocationUnknown = 0;  // no position can be had right now
    static constexpr int kDenied = 1;           // the user denied access, or location services are off

    PositionError(std::string domain, int code, std::string localizedDescription)
        : m_domain(std::move(domain)), m_code(code), m_localizedDescription(std::move(localizedDescription)) {}

    static PositionError locationUnknown();
    static PositionError denied();

    const std::string& domain() const { return m_domain; }
    int code() const { return m_code; }
    const std::string& localizedDescription() const { return m_localizedDescription; }

private:
    std::string m_domain;
    int m_code;
    std::string m_localizedDescription;
};

}  // namespace platform::geo
