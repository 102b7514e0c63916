#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace platform {

// Folders only their owner may enter (mode 0700) and files only their owner may read (0600), for what the
// application makes or owns by name in its home, which holds the user's places, settings and pictures. Modes are
// set explicitly, so the process's umask neither widens nor narrows them. Nothing else is changed: a folder the
// user keeps in the home, or the home itself when it was there before, keeps its modes. Thread-safe (no state).
class PrivateFolder {
public:
    static constexpr unsigned kFolderMode = 0700;
    static constexpr unsigned kFileMode = 0600;

    // Creates the folder with mode 0700 (its parent must exist). A folder already there, or a symbolic link to one,
    // is used as it is and keeps its modes. Answers what went wrong: a file in the way, a missing parent, no
    // permission.
    static std::error_code ensure(const std::filesystem::path& folder);

    // Creates the folder and each missing folder above it with mode 0700; folders that exist keep their modes.
    // Answers what went wrong (a file in the way, no permission).
    static std::error_code ensurePath(const std::filesystem::path& folder);

    // Why an existing folder cannot be the application's home ("" when it can): it is not a folder, belongs to
    // another user or, with linkRefused (a home the user did not name), is a symbolic link. Looks only; changes
    // nothing.
    static std::string homeProblem(const std::filesystem::path& home, bool linkRefused);
};

}  // namespace platform
