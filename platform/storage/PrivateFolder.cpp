#include "platform/storage/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {

namespace {

std::error_code lastError() { return {errno, std::system_category()}; }

// The path as a shell word: quoted when it holds anything but letters, digits and "/._-+,:@%".
std::string shellWord(const std::string& path) {
    const bool plain = !path.empty() && path.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789/._-+,:@%") == std::string::npos;
    if (plain) {
        return path;
    }
    std::string quoted = "'";
    for (const char character : path) {
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return quoted + "'";
}

// The problem of a folder (status as stat() gives it) that users other than its owner and group may write in.
std::string othersWriteProblem(const std::string& what, const std::filesystem::path& folder,
                               const struct stat& status) {
    if (!S_ISDIR(status.st_mode) || (status.st_mode & S_IWOTH) == 0) {
        return {};
    }
    return what + " " + folder.string() + " can be written by other users; run chmod o-w " + shellWord(folder.string());
}

}  // namespace

std::error_code PrivateFolder::ensure(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), kFolderMode) == 0) {
        return ::chmod(folder.c_str(), kFolderMode) == 0 ? std::error_code() : lastError();
    }
    const std::error_code mkdirError(errno, std::system_category());
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) {
        return mkdirError;
    }
    if (S_ISLNK(status.st_mode)) {
        // A link the user put in its place is used as it is.
        return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) ? std::error_code() : mkdirError;
    }
    // A folder that was there before keeps its modes: it may be the user's own (a "Documents" in a home they named).
    return S_ISDIR(status.st_mode) ? std::error_code() : mkdirError;
}

std::error_code PrivateFolder::ensurePath(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> missing;
    struct stat status {};
    for (std::filesystem::path path = folder.lexically_normal(); !path.empty(); path = path.parent_path()) {
        if (path.filename().empty() && path.has_parent_path() && path != path.root_path()) {
            continue;  // "a/b/" names "a/b"
        }
        if (::stat(path.c_str(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) {
                return std::make_error_code(std::errc::not_a_directory);
            }
            break;
        }
        if (errno != ENOENT || path == path.parent_path()) {
            return lastError();
        }
        missing.push_back(path);
    }
    for (auto path = missing.rbegin(); path != missing.rend(); ++path) {
        if (::mkdir(path->c_str(), kFolderMode) != 0) {
            if (errno == EEXIST && ::stat(path->c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
                continue;  // made meanwhile by another thread
            }
            return lastError();
        }
        if (::chmod(path->c_str(), kFolderMode) != 0) {
            return lastError();
        }
    }
    return {};
}

std::string PrivateFolder::homeProblem(const std::filesystem::path& home, bool linkRefused) {
    struct stat status {};
    if (linkRefused && ::lstat(home.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        return "the home " + home.string() +
               " is a symbolic link, which could lead anywhere; choose a home of your own with --home";
    }
    // A home the user names may be reached through a link (a home on another disk).
    if (::stat(home.c_str(), &status) != 0) {
        return "cannot open the home " + home.string() + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(status.st_mode)) {
        return "the home " + home.string() + " is not a folder";
    }
    if (status.st_uid != ::geteuid()) {
        return "the home " + home.string() + " belongs to another user (uid " + std::to_string(status.st_uid) +
               "); choose a home of your own with --home";
    }
    return othersWriteProblem("the home", home, status);
}

std::string PrivateFolder::sharedFolderProblem(const std::filesystem::path& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 ? othersWriteProblem("the folder", folder, status) : std::string();
}

}  // namespace platform
