#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace platform {

// Folders only their owner may enter (mode 0700) and files only their owner may read (0600), for what the
// application makes or owns by name in its home, which holds the user's places, settings and pictures. Modes are
// set explicitly, so the process's umask neither widens nor narrows them. Nothing else is changed: a folder the
// user keeps in the home, or the home itself when it was there before, keeps its modes.
//
// And the checks that no other user can change what the application keeps, as a careful remote-shell server's
// strict modes do: the home and each of the application's folders belong to the user running, no one else may
// write in them (the others' write bit, or an access list entry for another user or group: FolderWriters; the
// owning group is the user's to share with), and no other user can swap the home for a folder of theirs through
// a folder above it. The checks look only and change nothing; each answers "" or one sentence that names the
// folder (a symbolic link with where it leads) and what to do: the command that mends a folder that is the user's
// to change, or to choose a home of one's own for a folder shared by design (sticky) or not the user's. Commands
// are shell words as bash reads them, and stay so when the sentence is made printable (printableText).
// Thread-safe (no state).
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

    // The folder a home names, found as a shell finds the folder it enters: made absolute, "." and ".." taken by
    // name, then each symbolic link in the part that exists followed; the part not there yet is kept as named.
    static std::filesystem::path resolve(const std::filesystem::path& home, std::error_code& error);

    // Why the folders above the resolved home, those that exist, would let another user swap what they hold
    // ("" when none would): one that belongs to a user other than root and the one running, or that other users
    // may write in without the sticky bit.
    static std::string aboveHomeProblem(const std::filesystem::path& home);

    // Why a default home (one the user did not name) cannot be used: it is a symbolic link, which another user may
    // have put there. "" when it is not one.
    static std::string defaultHomeProblem(const std::filesystem::path& home);

    // Why the open folder (descriptor) cannot be the application's home ("" when it can): it is not the user's, or
    // other users may write in it. named is the home as given, resolved where resolve() found it.
    static std::string homeProblem(int descriptor, const std::filesystem::path& named,
                                   const std::filesystem::path& resolved);

    // Why the application cannot trust one of its folders in the home with what it keeps there ("" when it can,
    // and when the folder is missing or not a folder): the folder (a symbolic link's: the folder it leads to) is
    // not the user's, other users may write in it, or the folders above it would let them swap it.
    static std::string folderProblem(const std::filesystem::path& folder);
};

}  // namespace platform
