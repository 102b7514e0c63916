#include "platform/storage/PrivateFolder.h"

#include <sys/stat.h>

#include <cerrno>

namespace platform {

std::error_code PrivateFolder::ensure(const std::filesystem::path& folder) {
    constexpr mode_t kPrivate = 0700;
    if (::mkdir(folder.c_str(), kPrivate) == 0) {
        return {};
    }
    const int mkdirError = errno;
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return {mkdirError, std::system_category()};
    }
    if ((status.st_mode & 0777) != kPrivate && ::chmod(folder.c_str(), kPrivate) != 0) {
        return {errno, std::system_category()};
    }
    return {};
}

}  // namespace platform
