#pragma once

#include <memory>
#include <string>

namespace platform {
class UserDefaults;
}

namespace qov {

// The device operations the application adds: its own device identifier and the idiom tests.
// Main thread (the identifier reads and writes the user defaults).
class UIDeviceQOV {
public:
    static constexpr const char* kGeneratedUDIDKey = "generatedUDID";
    static constexpr std::size_t kIdentifierLength = 40;

    // The identifier kept under "generatedUDID" in the standard user defaults; made on first use from 40
    // random lower-case hexadecimal digits and stored (the defaults write it with their next flush).
    static std::string uniqueIdentifier();
    static std::string uniqueIdentifier(platform::UserDefaults& defaults);

    // A pad only when the device answers the idiom query with the pad idiom.
    static bool isPad();
    // A phone when the idiom is the phone's, and also when the device does not know the query.
    static bool isPhone();
};

}  // namespace qov
