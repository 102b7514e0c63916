#pragma once

#include <memory>

namespace qov {

// The ad network's launch report; this edition reports nothing.
class AdNetworkSupport {
public:
    static std::shared_ptr<AdNetworkSupport> sharedInstance();

    // Called once at launch; does nothing.
    void reportAppOpen() {}
};

}  // namespace qov
