#include "cli/display/DisplayAccess.h"

#include <cstdio>
#include <random>

namespace qovcli {

namespace {

// 128 random bits as 32 hexadecimal digits.
std::string randomToken() {
    std::random_device device;
    std::string token;
    for (int word = 0; word < 4; ++word) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(device()));
        token += hex;
    }
    return token;
}

// Compares in a time that does not depend on where the strings first differ.
bool sameSecret(const std::string& given, const std::string& secret) {
    unsigned difference = given.size() == secret.size() ? 0U : 1U;
    for (std::size_t index = 0; index < secret.size(); ++index) {
        difference |= static_cast<unsigned char>(index < given.size() ? given[index] : 0) ^
                      static_cast<unsigned char>(secret[index]);
    }
    return difference == 0U;
}

}  // namespace

DisplayAccess::DisplayAccess(int port) : m_port(port), m_token(randomToken()) {}

std::string DisplayAccess::address() const {
    return "http://127.0.0.1:" + std::to_string(m_port) + "/?token=" + m_token;
}

bool DisplayAccess::admits(const std::string& host, const std::string& token) const {
    std::string port(":");  // appended: GCC 12 warns wrongly of overlapping copies for ":" + a string
    port += std::to_string(m_port);
    return (host == "127.0.0.1" + port || host == "localhost" + port) && sameSecret(token, m_token);
}

}  // namespace qovcli
