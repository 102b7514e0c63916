#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The temporary files of AtomicFile writes: each is named "<file name>.tmp-XXXXXX" in the folder of the file it
// replaces. A write registers its temporary for as long as it exists, so that a sweep of the folder removes only
// what an interrupted write (a crash, a killed process) left behind. Thread-safe; one registry per process (one
// process per home, which the runner's home lock ensures).
class WriteTemporaries {
public:
    // mkstemp's pattern for a temporary beside file.
    static std::string patternFor(const std::filesystem::path& file);
    static bool isTemporaryName(const std::string& name);

    // Brackets a write's temporary: while registered, sweeps leave it alone.
    static void registerInFlight(const std::filesystem::path& temporary);
    static void unregisterInFlight(const std::filesystem::path& temporary);

    // Removes the temporaries in the folder that no write is using (logged). A folder that cannot be listed is
    // left alone.
    static void removeLeftovers(const std::filesystem::path& folder);
    // removeLeftovers once per folder and process: the first write into a folder cleans up after the last run.
    static void removeLeftoversOnFirstWrite(const std::filesystem::path& folder);
};

}  // namespace platform
