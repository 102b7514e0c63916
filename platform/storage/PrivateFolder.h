#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace platform {

// Folders only their owner may enter (mode 0700) and files only their owner may read (0600), for the
// application's home, which holds the user's places, settings and pictures. Modes are set explicitly, so the
// process's umask neither widens nor narrows them. Thread-safe (no state).
class PrivateFolder {
public:
    static constexpr unsigned kFolderMode = 0700;
    static constexpr unsigned kFileMode = 0600;

    // Creates the folder with mode 0700 (its parent must exist), or narrows an existing folder to 0700.
    // Answers what went wrong: a file in the way, a missing parent, no permission.
    static std::error_code ensure(const std::filesystem::path& folder);

    // Creates the folder and each missing folder above it with mode 0700; folders that exist keep their modes.
    // Answers what went wrong (a file in the way, no permission).
    static std::error_code ensurePath(const std::filesystem::path& folder);

    // Makes an existing home private at start: refuses (answers why) a home that is not a folder or belongs to
    // another user; else narrows every folder inside it to 0700 and every file to 0600, symbolic links
    // untouched and never followed. An entry that cannot be narrowed is logged and left.
    static std::string narrowHome(const std::filesystem::path& home);
};

}  // namespace platform
