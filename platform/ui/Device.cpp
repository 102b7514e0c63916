#include "platform/ui/Device.h"

#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"

namespace platform::ui {

Device& Device::current() {
    static NeverDestroyed<Device> device;
    return *device;
}

void Device::setOrientation(DeviceOrientation orientation) {
    if (orientation == m_orientation) {
        return;
    }
    m_orientation = orientation;
    if (isGeneratingDeviceOrientationNotifications()) {
        NotificationCenter::defaultCenter().postNotification(kDeviceOrientationDidChangeNotification);
    }
}

void Device::endGeneratingDeviceOrientationNotifications() {
    if (m_orientationNotificationRequests > 0) {
        --m_orientationNotificationRequests;
    }
}

void Device::reset() { *this = Device(); }

}  // namespace platform::ui
