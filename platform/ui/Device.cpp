#include "platform/ui/Device.h"

namespace platform::ui {

Device& Device::current() {
    static Device device;
    return device;
}

void Device::reset() { *this = Device(); }

}  // namespace platform::ui
