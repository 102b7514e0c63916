#include "cli/HomeLock.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/maps/cache/QOVMapCache.h"
#include "platform/base/Log.h"
#include "platform/storage/PrivateFolder.h"

QOV_LOG_LEVEL(15)

namespace qovcli {

namespace {

std::string holderOf(int descriptor) {
    char buffer[32] = {};
    const ssize_t length = pread(descriptor, buffer, sizeof buffer - 1, 0);
    const std::string_view text(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    const auto digits = text.substr(0, text.find_first_not_of("0123456789"));
    return digits.empty() ? "" : " (process " + std::string(digits) + ")";
}

// The first of the application's folders in the home that other users may write in, "" when none.
std::string sharedApplicationFolder(const std::filesystem::path& home) {
    const std::filesystem::path caches = std::filesystem::path("Library") / "Caches";
    for (const std::filesystem::path& folder :
         {std::filesystem::path("Library"), caches, caches / qov::FileSystemApplicationCache::kCacheFolderName,
          caches / qov::QOVMapCache::kFolderName, std::filesystem::path("Library") / "Preferences",
          std::filesystem::path("Library") / "Keychains", std::filesystem::path("Documents")}) {
        if (std::string problem = platform::PrivateFolder::sharedFolderProblem(home / folder); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

}  // namespace

std::unique_ptr<HomeLock> HomeLock::acquire(const std::filesystem::path& home, Choice choice, std::string& problem) {
    struct stat status {};
    if (lstat(home.c_str(), &status) != 0) {
        // Missing (or unreachable, which making it tells in words).
        if (const std::error_code error = platform::PrivateFolder::ensurePath(home)) {
            problem = "cannot create the home " + home.string() + ": " + error.message();
            return nullptr;
        }
    }
    problem = platform::PrivateFolder::homeProblem(home, choice == Choice::Default);
    if (problem.empty()) {
        problem = sharedApplicationFolder(home);
    }
    if (!problem.empty()) {
        return nullptr;
    }
    const std::filesystem::path path = home / kFileName;
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0) {
        problem = "cannot open " + path.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        problem = reason == EWOULDBLOCK
                      ? "the home " + home.string() + " is in use by another runner" + holderOf(descriptor)
                      : "cannot lock " + path.string() + ": " + std::strerror(reason);
        close(descriptor);
        return nullptr;
    }
    if (fchmod(descriptor, platform::PrivateFolder::kFileMode) != 0) {
        QOV_LOG_WARN("Could not make {} private: {}", path.string(), std::strerror(errno));
    }
    const std::string pid = std::to_string(getpid()) + "\n";
    const bool noted = ftruncate(descriptor, 0) == 0 &&
                       pwrite(descriptor, pid.data(), pid.size(), 0) == static_cast<ssize_t>(pid.size());
    if (!noted) {
        QOV_LOG_WARN("Could not write the process id into {}: {}", path.string(), std::strerror(errno));
    }
    return std::unique_ptr<HomeLock>(new HomeLock(descriptor));
}

HomeLock::~HomeLock() { close(m_descriptor); }

}  // namespace qovcli
