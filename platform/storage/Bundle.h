#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Value.h"
#include "platform/storage/StringsTable.h"

namespace platform {

// A folder of application resources: "Info.plist" (an XML property list), localisation tables
// "en.lproj/<table>.strings", and other files. What is read is kept; every operation is thread-safe.
class Bundle {
public:
    explicit Bundle(std::filesystem::path path);
    Bundle(const Bundle&) = delete;
    Bundle& operator=(const Bundle&) = delete;

    // The application's bundle. Its folder is the one given to setMainBundlePath, else the environment variable
    // QOV_BUNDLE_DIR, else the build's QOV_DEFAULT_BUNDLE_DIR when defined, else "<executable dir>/../Qovara.app".
    static Bundle& main();
    // Points the main bundle at another folder (the runner, tests) and forgets what it read from the old one.
    static void setMainBundlePath(std::filesystem::path path);

    std::filesystem::path resourcePath() const;

    // The contents of "Info.plist"; empty (and logged) when it is missing or unreadable.
    Dictionary infoDictionary() const;
    // The value under key in the info dictionary, or null.
    Value objectForInfoDictionaryKey(std::string_view key) const;

    // The text for key in "en.lproj/<table>.strings"; when the table has no such key, defaultValue, or the key
    // itself when defaultValue is empty.
    std::string localizedString(const std::string& key, const std::string& defaultValue = {},
                                const std::string& table = "Localizable") const;

    // The file "<name>.<type>" (or name alone when type is empty) in the bundle folder, else in "en.lproj";
    // an empty path when there is none. Names that leave the bundle (absolute, "..") find nothing.
    std::filesystem::path pathForResource(std::string_view name, std::string_view type) const;

private:
    void setPath(std::filesystem::path path);
    const Dictionary& info() const;                                     // with m_mutex held
    const StringsTable::Entries& table(const std::string& name) const;  // with m_mutex held

    mutable std::mutex m_mutex;
    std::filesystem::path m_path;
    mutable std::optional<Dictionary> m_info;
    mutable std::map<std::string, StringsTable::Entries, std::less<>> m_tables;
};

}  // namespace platform
