#include "app/shell/application/OpenedURLRouter.h"

#include <algorithm>
#include <cctype>

#include "app/neighbours/QOVFacebookService.h"
#include "app/neighbours/QOVTwitterService.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

std::string lowercased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "scheme://host[:port][/...|?...|#...]": the scheme and the host, lower-cased; empty parts when absent.
std::pair<std::string, std::string> schemeAndHost(const std::string& url) {
    const auto colon = url.find(':');
    if (colon == std::string::npos) {
        return {};
    }
    std::string scheme = lowercased(url.substr(0, colon));
    if (url.compare(colon, 3, "://") != 0) {
        return {scheme, {}};
    }
    const auto hostStart = colon + 3;
    const auto hostEnd = url.find_first_of(":/?#", hostStart);
    return {scheme,
            lowercased(url.substr(hostStart, hostEnd == std::string::npos ? std::string::npos : hostEnd - hostStart))};
}

}  // namespace

OpenedURLRouter::Destination OpenedURLRouter::destinationOf(const std::string& url) {
    const auto [scheme, host] = schemeAndHost(url);
    if (scheme != "qov") {
        return Destination::Facebook;
    }
    return host == lowercased(QOVTwitterService::authorizationCallbackHost()) ? Destination::Twitter
                                                                              : Destination::Ignored;
}

void OpenedURLRouter::route(const std::string& url) {
    switch (destinationOf(url)) {
        case Destination::Twitter:
            QOVTwitterService::sharedInstance()->appDidReceiveAuthorizationRequestCallback(url);
            break;
        case Destination::Ignored: QOV_LOG_INFO("Ignoring an opened URL of an unknown host"); break;
        case Destination::Facebook: {
            const auto facebook = QOVFacebookService::sharedInstance();
            facebook->setUserReturnedFromAuthentication(true);
            facebook->facebook().handleOpenURL(url);
            break;
        }
    }
}

}  // namespace qov
