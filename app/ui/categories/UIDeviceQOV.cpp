#include "app/ui/categories/UIDeviceQOV.h"

#include <sys/random.h>

#include <array>
#include <random>

#include "platform/storage/UserDefaults.h"
#include "platform/ui/Device.h"

namespace qov {
namespace {

// Bytes from the system's cryptographic source; std::random_device when getrandom cannot answer.
std::array<unsigned char, UIDeviceQOV::kIdentifierLength> randomBytes() {
    std::array<unsigned char, UIDeviceQOV::kIdentifierLength> bytes{};
    if (getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
        std::random_device device;
        for (auto& byte : bytes) {
            byte = static_cast<unsigned char>(device());
        }
    }
    return bytes;
}

}  // namespace

std::string UIDeviceQOV::uniqueIdentifier() { return uniqueIdentifier(*platform::UserDefaults::standard()); }

std::string UIDeviceQOV::uniqueIdentifier(platform::UserDefaults& defaults) {
    std::string identifier = defaults.stringForKey(kGeneratedUDIDKey);
    if (!identifier.empty()) {
        return identifier;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    for (const unsigned char byte : randomBytes()) {
        identifier.push_back(kDigits[byte & 15]);
    }
    defaults.setString(identifier, kGeneratedUDIDKey);
    return identifier;
}

bool UIDeviceQOV::isPad() {
    const auto& device = platform::ui::Device::current();
    return device.respondsToUserInterfaceIdiom() &&
           device.userInterfaceIdiom() == platform::ui::UserInterfaceIdiom::Pad;
}

bool UIDeviceQOV::isPhone() {
    const auto& device = platform::ui::Device::current();
    return !device.respondsToUserInterfaceIdiom() ||
           device.userInterfaceIdiom() == platform::ui::UserInterfaceIdiom::Phone;
}

}  // namespace qov
