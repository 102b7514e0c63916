#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace platform {

// The temporary files of AtomicFile writes: each is named "qovara-tmp-<file name>-XXXXXX" in the folder of the file
// it replaces. Only what an interrupted write (a crash, a killed process) left is ever removed: a file of that name,
// not in use by a write of this process, and unchanged for kDeadAfter, so that another process's write under way
// is left alone; folders, links and every other name are never touched. Thread-safe; one registry per process.
class WriteTemporaries {
public:
    // How long a temporary stays unchanged before it counts as left by a write that died.
    static constexpr std::chrono::hours kDeadAfter{1};

    // mkstemp's pattern for a temporary beside file.
    static std::string patternFor(const std::filesystem::path& file);
    static bool isTemporaryName(const std::string& name);

    // Brackets a write's temporary: while registered, sweeps leave it alone.
    static void registerInFlight(const std::filesystem::path& temporary);
    static void unregisterInFlight(const std::filesystem::path& temporary);

    // Removes the dead temporaries in the folder (logged); for the callers' own folders. The folder is opened once
    // (never through a symbolic link in its place) and its entries are looked at and removed relative to what was
    // opened, so a folder swapped for a link meanwhile redirects nothing. Sub-folders are not entered. A folder
    // that cannot be opened or listed is left alone.
    static void removeLeftovers(const std::filesystem::path& folder);
    // removeLeftovers once per folder and process, and only in the application's home (AppDirectories::shared()'s
    // home and the folders under it): the first write into one of its folders cleans up after the last run, while
    // a user's folder elsewhere (a picture written where the user asked) is never swept.
    static void removeLeftoversOnFirstWrite(const std::filesystem::path& folder);
};

}  // namespace platform
