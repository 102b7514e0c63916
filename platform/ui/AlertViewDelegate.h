#pragma once

namespace platform::ui {

class AlertView;

// Told about an alert's buttons; every operation is optional.
class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    virtual void alertViewClickedButtonAtIndex(AlertView&, int /*index*/) {}
    virtual void alertViewWillDismissWithButtonIndex(AlertView&, int /*index*/) {}
    virtual void alertViewDidDismissWithButtonIndex(AlertView&, int /*index*/) {}
};

}  // namespace platform::ui
