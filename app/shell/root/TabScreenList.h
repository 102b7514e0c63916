#pragma once

#include <string>
#include <vector>

namespace qov {

// The classes of the root screen's tab screens, in tab order: Weather, Maps, Imagery (when enabled), Severe,
// Video, Social (unless the social features are all off), the photo community, In Season, Settings, and the
// test-mode and test-console screens in test mode. Screens are made by class name (platform::ui::ClassRegistry),
// so the list can name screens of libraries above the shell.
class TabScreenList {
public:
    struct Conditions {
        bool imageryEnabled = false;
        unsigned swaggerStatus = 0;
        bool testMode = false;
    };

    // The list for the settings and the application delegate as they are now.
    static Conditions currentConditions();
    static std::vector<std::string> classNames(const Conditions& conditions);
};

}  // namespace qov
