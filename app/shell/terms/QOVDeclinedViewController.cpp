#include "app/shell/terms/QOVDeclinedViewController.h"

#include "platform/base/Callback.h"

namespace qov {

void QOVDeclinedViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (m_dismissButton) {
        m_dismissButton->addAction(
            platform::ui::kControlEventTouchUpInside,
            platform::bindWeak(
                std::static_pointer_cast<QOVDeclinedViewController>(shared_from_this()),
                [](QOVDeclinedViewController& declined, platform::ui::Control&) { declined.dismiss(); }));
    }
}

bool QOVDeclinedViewController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

void QOVDeclinedViewController::dismiss() { dismissModalViewControllerAnimated(true); }

}  // namespace qov
