#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/Value.h"

namespace platform {

// Small typed state kept in an XML property list file. Every change is written back: the first change of a
// burst posts one write to the main run loop, so a burst of changes costs one write; synchronize() writes at
// once, and so does the destructor when changes are pending. Writes are atomic (temporary file, then rename)
// with file mode 0600. A file that cannot be read as a property list dictionary is moved aside to
// "<file name>.corrupt-<seconds since 1970>", logged and replaced by empty defaults. A file that cannot even be
// looked at (a loop of symbolic links, a folder that may not be searched) is left alone: the defaults start empty,
// are never written, and say why (unusableReason). Thread-safe.
//
// Values are every Value kind but objects (store archived data instead): objects are refused and left out of
// arrays and dictionaries. Dates keep whole seconds, as the file does.
class UserDefaults {
public:
    explicit UserDefaults(std::filesystem::path file);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    // The process instance: "<CFBundleIdentifier>.plist" (of the main bundle; "com.qovara.Qovara" when it has
    // none) in AppDirectories::shared()'s preferences directory, read on first use.
    static std::shared_ptr<UserDefaults> standard();
    // Tests and the runner: replaces the process instance; nullptr makes standard() read the file afresh on its
    // next use (after a change of home, for instance).
    static void resetStandard(std::shared_ptr<UserDefaults> defaults);

    const std::filesystem::path& file() const;
    // Why the file is left alone ("" when it is in use): it exists but cannot be looked at.
    const std::string& unusableReason() const;

    // The value under key, or null when there is none.
    Value objectForKey(std::string_view key) const;
    // Typed readers: an absent key or a value of another kind answers the zero value (numbers and booleans
    // convert among themselves).
    std::string stringForKey(std::string_view key) const;
    std::int64_t integerForKey(std::string_view key) const;
    bool boolForKey(std::string_view key) const;
    double doubleForKey(std::string_view key) const;
    Data dataForKey(std::string_view key) const;
    Array arrayForKey(std::string_view key) const;
    Dictionary dictionaryForKey(std::string_view key) const;

    // Stores value under key; a null value removes the key.
    void setObject(const Value& value, std::string_view key);
    void setString(const std::string& value, std::string_view key);
    void setInteger(std::int64_t value, std::string_view key);
    void setBool(bool value, std::string_view key);
    void setDouble(double value, std::string_view key);
    void removeObjectForKey(std::string_view key);
    // For a reader that finds the value under key damaged (problem says how): keeps it beside the file as
    // "<file name>.<key>.corrupt-<seconds since 1970>" (data as its bytes, any other value as an XML property
    // list), named as a damaged file is moved aside, then removes it. A value that cannot be kept so stays.
    void removeDamagedObjectForKey(std::string_view key, std::string_view problem);

    // Writes pending changes now; false (and a log line) when the file cannot be written.
    bool synchronize();

private:
    struct State;
    void changed();
    std::shared_ptr<State> m_state;
};

}  // namespace platform
