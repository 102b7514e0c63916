#include "platform/storage/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

std::error_code lastError() { return {errno, std::system_category()}; }

// Sets the mode when it differs; logs a failure.
void narrow(const std::filesystem::path& path, const struct stat& status, mode_t mode) {
    if ((status.st_mode & 07777) != mode && ::chmod(path.c_str(), mode) != 0) {
        QOV_LOG_WARN("cannot make {} private: {}", path.string(), std::strerror(errno));
    }
}

}  // namespace

std::error_code PrivateFolder::ensure(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), kFolderMode) == 0) {
        return ::chmod(folder.c_str(), kFolderMode) == 0 ? std::error_code() : lastError();
    }
    const int mkdirError = errno;
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return {mkdirError, std::system_category()};
    }
    if ((status.st_mode & 0777) != kFolderMode && ::chmod(folder.c_str(), kFolderMode) != 0) {
        return lastError();
    }
    return {};
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

std::string PrivateFolder::narrowHome(const std::filesystem::path& home) {
    struct stat status {};
    // The home itself may be reached through a link (a home on another disk); what is inside is never followed.
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
    narrow(home, status, kFolderMode);
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator entry(home, error), end; !error && entry != end;
         entry.increment(error)) {
        if (::lstat(entry->path().c_str(), &status) != 0 || status.st_uid != ::geteuid()) {
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            narrow(entry->path(), status, kFolderMode);
        } else if (S_ISREG(status.st_mode)) {
            narrow(entry->path(), status, kFileMode);
        }
    }
    if (error) {
        QOV_LOG_WARN("cannot look through the home {}: {}", home.string(), error.message());
    }
    return {};
}

}  // namespace platform
