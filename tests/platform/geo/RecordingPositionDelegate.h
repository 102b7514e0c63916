#pragma once

#include <memory>
#include <vector>

#include "platform/geo/PositionSourceDelegate.h"

namespace platform::geo {

// Records what a position source tells it.
class RecordingPositionDelegate : public PositionSourceDelegate {
public:
    struct Update {
        std::shared_ptr<PositionFix> newFix;
        std::shared_ptr<PositionFix> oldFix;
    };

    void didUpdateToLocation(PositionSource&, const std::shared_ptr<PositionFix>& newFix,
                             const std::shared_ptr<PositionFix>& oldFix) override {
        updates.push_back({newFix, oldFix});
    }
    void didFailWithError(PositionSource&, const PositionError& error) override { errors.push_back(error); }

    std::vector<Update> updates;
    std::vector<PositionError> errors;
};

}  // namespace platform::geo
