#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/core/cache/ApplicationCacheConfigurationChangedDelegate.h"
#include "app/core/model/QOVMobileAppConfig.h"

namespace qovtest {

// Keeps every configuration it is told about; onChange (when set) runs inside the notice.
class RecordingConfigurationListener : public qov::ApplicationCacheConfigurationChangedDelegate {
public:
    void configurationChanged(const std::shared_ptr<qov::QOVMobileAppConfig>& configuration) override {
        received.push_back(configuration);
        if (onChange) {
            onChange(configuration);
        }
    }

    std::vector<std::shared_ptr<qov::QOVMobileAppConfig>> received;
    std::function<void(const std::shared_ptr<qov::QOVMobileAppConfig>&)> onChange;
};

}  // namespace qovtest
