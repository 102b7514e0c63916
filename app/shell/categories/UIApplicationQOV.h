#pragma once

#include <string>

namespace qov {

// The application's names and versions from the main bundle's information list ("" when a key is missing).
class UIApplicationQOV {
public:
    static std::string bundleDisplayName();
    static std::string bundleVersion();
    static std::string bundleShortVersionString();
    // "v<short version> (<bundle version>)", as the About screen shows it.
    static std::string applicationVersion();
};

}  // namespace qov
