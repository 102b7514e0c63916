#pragma once

#include <optional>
#include <string>

namespace platform {

// The time zone the device is set to: the system's (the TZ environment variable, else /etc/localtime), or a
// zone fixed by tests and the runner. Thread-safe.
class DeviceTimeZone {
public:
    // An identifier such as "America/New_York" ("UTC" when the system's cannot be read).
    static std::string name();

    static void setOverride(std::string name);
    static void clearOverride();
};

}  // namespace platform
