#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/core/model/QOVLocation.h"

namespace qovtest {

// Keeps every location it is told about; onChange (when set) runs inside the notice.
class RecordingLocationListener : public qov::ApplicationCacheLocationChangedDelegate {
public:
    void locationDataChanged(const std::shared_ptr<qov::QOVLocation>& location) override {
        received.push_back(location);
        if (onChange) {
            onChange(location);
        }
    }

    std::vector<std::shared_ptr<qov::QOVLocation>> received;
    std::function<void(const std::shared_ptr<qov::QOVLocation>&)> onChange;
};

}  // namespace qovtest
