#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {
class UserDefaults;
}

namespace qov {

// The once-a-week look for a newer release, with its date in the user default "versionCheckDate". The first look
// of an installation records the date and is due at once. Main thread.
class WeeklyVersionCheck {
public:
    static constexpr const char* kVersionCheckDateKey = "versionCheckDate";
    static constexpr double kInterval = 604800.0;

    explicit WeeklyVersionCheck(std::shared_ptr<platform::UserDefaults> defaults);

    // More than a week since the recorded look, or none recorded (then now is recorded).
    bool isDue();
    // Records now as the time of the last look.
    void recordCheck();

    // Whether the latest published version is later than the running one, compared part by part ("10.0" is later
    // than "9.9"). No published version is never newer.
    static bool isNewer(const std::optional<std::string>& latest, const std::string& current);

private:
    std::shared_ptr<platform::UserDefaults> m_defaults;
};

}  // namespace qov
