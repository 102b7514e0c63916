#include "cli/HomeLock.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/Log.h"
#include "platform/storage/AppDirectories.h"
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

// The first of the application's folders in the home that it cannot trust (PrivateFolder::folderProblem), "" when
// none.
std::string untrustedApplicationFolder(const std::filesystem::path& home) {
    for (const std::filesystem::path& folder : platform::AppDirectories::folders()) {
        if (std::string problem = platform::PrivateFolder::folderProblem(home / folder); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

// The lock file, opened in the home (descriptor), locked and holding this process's id; -1 with problem.
int lockFile(int home, const std::filesystem::path& path, std::string& problem) {
    const int descriptor = openat(home, HomeLock::kFileName, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0) {
        problem = "cannot open " + path.string() + ": " + std::strerror(errno);
        return -1;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        problem = reason == EWOULDBLOCK ? "the home " + path.parent_path().string() + " is in use by another runner" +
                                              holderOf(descriptor)
                                        : "cannot lock " + path.string() + ": " + std::strerror(reason);
        close(descriptor);
        return -1;
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
    return descriptor;
}

}  // namespace

std::unique_ptr<HomeLock> HomeLock::acquire(const std::filesystem::path& home, Choice choice, std::string& problem) {
    problem = choice == Choice::Default ? platform::PrivateFolder::defaultHomeProblem(home) : std::string();
    if (!problem.empty()) {
        return nullptr;
    }
    std::error_code error;
    const std::filesystem::path resolved = platform::PrivateFolder::resolve(home, error);
    if (error) {
        problem = "cannot find the home " + home.string() + ": " + error.message();
        return nullptr;
    }
    // Nothing is made where another user could swap it.
    problem = platform::PrivateFolder::aboveHomeProblem(resolved);
    if (!problem.empty()) {
        return nullptr;
    }
    struct stat status {};
    if (stat(resolved.c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) {
        problem = "the home " + resolved.string() + " is not a folder";
        return nullptr;
    }
    if (const std::error_code made = platform::PrivateFolder::ensurePath(resolved)) {
        problem = "cannot create the home " + resolved.string() + ": " + made.message();
        return nullptr;
    }
    const int folder = open(resolved.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        problem = "cannot open the home " + resolved.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    problem = platform::PrivateFolder::homeProblem(folder, home, resolved);
    if (problem.empty()) {
        problem = untrustedApplicationFolder(resolved);
    }
    const int descriptor = problem.empty() ? lockFile(folder, resolved / kFileName, problem) : -1;
    close(folder);
    return descriptor < 0 ? nullptr : std::unique_ptr<HomeLock>(new HomeLock(descriptor, resolved));
}

HomeLock::~HomeLock() { close(m_descriptor); }

}  // namespace qovcli
