#pragma once

namespace platform::ui {

class ActionSheet;

// Told about an action sheet's buttons; every operation is optional.
class ActionSheetDelegate {
public:
    virtual ~ActionSheetDelegate() = default;
    virtual void actionSheetClickedButtonAtIndex(ActionSheet&, int /*index*/) {}
    virtual void actionSheetWillDismissWithButtonIndex(ActionSheet&, int /*index*/) {}
    virtual void actionSheetDidDismissWithButtonIndex(ActionSheet&, int /*index*/) {}
};

}  // namespace platform::ui
