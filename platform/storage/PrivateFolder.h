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
    // another user, other users may write in it (sharedFolderProblem) or, with linkRefused (a home the user did not
    // name), it is a symbolic link. Looks only; changes nothing.
    static std::string homeProblem(const std::filesystem::path& home, bool linkRefused);

    // Why the application cannot trust a folder of its home with what it keeps there ("" when it can, or when the
    // folder is missing): users other than its owner and group may write in it (its others' write bit, with or
    // without the sticky bit), so one of them could put a file of theirs in place of the application's. A symbolic
    // link is judged by the folder it leads to. The answer names the folder and the command that mends it:
    // "the folder F can be written by other users; run chmod o-w F". Looks only; changes nothing.
    static std::string sharedFolderProblem(const std::filesystem::path& folder);
};

}  // namespace platform
