#include "platform/format/DeviceTimeZone.h"

#include <memory>
#include <mutex>

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include "platform/base/ProcessInstance.h"

namespace platform {

namespace {

std::mutex& overrideMutex() {
    static NeverDestroyed<std::mutex> mutex;
    return *mutex;
}

std::optional<std::string>& overrideName() {
    static NeverDestroyed<std::optional<std::string>> name;
    return *name;
}

std::string systemZoneName() {
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::detectHostTimeZone());
    if (!zone) {
        return "UTC";
    }
    icu::UnicodeString id;
    zone->getID(id);
    std::string name;
    id.toUTF8String(name);
    return name.empty() || name == "Etc/Unknown" ? "UTC" : name;
}

}  // namespace

std::string DeviceTimeZone::name() {
    {
        const std::lock_guard lock(overrideMutex());
        if (overrideName()) {
            return *overrideName();
        }
    }
    static NeverDestroyed<const std::string> system(systemZoneName());
    return *system;
}

void DeviceTimeZone::setOverride(std::string name) {
    const std::lock_guard lock(overrideMutex());
    overrideName() = std::move(name);
}

void DeviceTimeZone::clearOverride() {
    const std::lock_guard lock(overrideMutex());
    overrideName().reset();
}

}  // namespace platform
