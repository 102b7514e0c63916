#pragma once

#include <string>

namespace platform {
class UserDefaults;
}

namespace qov {

// The application's install identifier: an upper-case UUID text (36 characters) kept in the user default
// "kQOVApplicationGuid". It is made the first time it is asked for, stored and written at once, and never
// changes afterwards. The metrics service and the settings service both take it from here.
class ApplicationGuid {
public:
    static constexpr const char* kDefaultsKey = "kQOVApplicationGuid";

    // The stored identifier, or a new one stored in defaults (and synchronised) when there is none.
    static std::string guidFromDefaults(platform::UserDefaults& defaults);
};

}  // namespace qov
