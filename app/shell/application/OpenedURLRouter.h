#pragma once

#include <string>

namespace qov {

// Where a URL opened into the application goes: the "qov" scheme with the Twitter sign-in host to the Twitter
// service (other "qov" hosts are ignored), any other scheme to the Facebook service. Main thread.
class OpenedURLRouter {
public:
    enum class Destination { Twitter, Ignored, Facebook };

    // The destination by the URL's scheme and host (compared without case).
    static Destination destinationOf(const std::string& url);
    // Hands the URL to its destination.
    static void route(const std::string& url);
};

}  // namespace qov
