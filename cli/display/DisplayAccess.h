#pragma once

#include <string>

namespace qovcli {

// Who may use the device display: requests addressed to the loopback address itself (Host "127.0.0.1:PORT" or
// "localhost:PORT", so a web page whose name was pointed at 127.0.0.1 is refused) carrying the random token
// made at start (so another local user or a web page, which cannot know it, is refused). Thread-safe.
class DisplayAccess {
public:
    explicit DisplayAccess(int port);

    const std::string& token() const { return m_token; }
    // The address a person opens: http://127.0.0.1:PORT/?token=TOKEN
    std::string address() const;
    bool admits(const std::string& host, const std::string& token) const;

private:
    int m_port;
    std::string m_token;
};

}  // namespace qovcli
