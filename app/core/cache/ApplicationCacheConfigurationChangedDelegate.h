#pragma once

#include <memory>

namespace qov {

class QOVMobileAppConfig;

// A listener for the remote configuration of an application id. Held weakly by the cache, like location
// listeners; always called on the main run loop.
class ApplicationCacheConfigurationChangedDelegate {
public:
    virtual ~ApplicationCacheConfigurationChangedDelegate() = default;

    virtual void configurationChanged(const std::shared_ptr<QOVMobileAppConfig>& configuration) = 0;
};

}  // namespace qov
