#include "platform/storage/WriteTemporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <mutex>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/AppDirectories.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

constexpr std::string_view kPrefix = "qovara-tmp-";
constexpr std::size_t kUniqueLength = 6;  // mkstemp's "XXXXXX", after a '-'

struct Registry {
    std::mutex mutex;
    std::set<std::filesystem::path> inFlight;
    std::set<std::filesystem::path> sweptFolders;
};

// Never destroyed: files are still written while other statics (the shared defaults of a singleton) are
// destroyed at exit, after this registry would have gone.
Registry& registry() {
    static NeverDestroyed<Registry> instance;
    return *instance;
}

// A regular file of the opened folder (never a folder or a link) unchanged for WriteTemporaries::kDeadAfter.
bool isDeadFile(int folder, const char* name) {
    struct stat status {};
    if (::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    const auto changed = std::chrono::system_clock::from_time_t(status.st_mtim.tv_sec);
    return std::chrono::system_clock::now() - changed >= WriteTemporaries::kDeadAfter;
}

// The names in the opened folder that look like temporaries (listed through a duplicate of its descriptor, which
// closedir() closes).
std::vector<std::string> temporaryNames(int folder) {
    std::vector<std::string> names;
    const int listed = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR* entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (entries == nullptr) {
        if (listed >= 0) {
            ::close(listed);
        }
        return names;
    }
    while (const dirent* entry = ::readdir(entries)) {
        if (WriteTemporaries::isTemporaryName(entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(entries);
    return names;
}

}  // namespace

std::string WriteTemporaries::patternFor(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    return (folder / (std::string(kPrefix) + file.filename().string() + "-" + std::string(kUniqueLength, 'X')))
        .string();
}

bool WriteTemporaries::isTemporaryName(const std::string& name) {
    const std::size_t suffixLength = 1 + kUniqueLength;
    if (name.size() <= kPrefix.size() + suffixLength || !name.starts_with(kPrefix) ||
        name[name.size() - suffixLength] != '-') {
        return false;
    }
    for (std::size_t index = name.size() - kUniqueLength; index < name.size(); ++index) {
        if (std::isalnum(static_cast<unsigned char>(name[index])) == 0) {
            return false;
        }
    }
    return true;
}

void WriteTemporaries::registerInFlight(const std::filesystem::path& temporary) {
    std::scoped_lock guard(registry().mutex);
    registry().inFlight.insert(temporary.lexically_normal());
}

void WriteTemporaries::unregisterInFlight(const std::filesystem::path& temporary) {
    std::scoped_lock guard(registry().mutex);
    registry().inFlight.erase(temporary.lexically_normal());
}

void WriteTemporaries::removeLeftovers(const std::filesystem::path& folder) {
    // Everything happens relative to the folder opened here: a folder swapped for a link afterwards redirects
    // nothing, and a link in its place is not opened at all (without its trailing "/", which would follow it).
    std::filesystem::path named = folder.lexically_normal();
    if (!named.has_filename() && named.has_parent_path() && named != named.root_path()) {
        named = named.parent_path();
    }
    const int opened = ::open(named.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (opened < 0) {
        return;
    }
    const std::vector<std::string> names = temporaryNames(opened);
    std::scoped_lock guard(registry().mutex);
    for (const std::string& name : names) {
        const std::filesystem::path leftover = named / name;
        if (registry().inFlight.contains(leftover.lexically_normal()) || !isDeadFile(opened, name.c_str())) {
            continue;
        }
        const int reason = ::unlinkat(opened, name.c_str(), 0) == 0 ? 0 : errno;
        if (reason == 0) {
            QOV_LOG_WARN("removed {}, left by an interrupted write", leftover.string());
        } else if (reason != ENOENT) {  // gone meanwhile is gone
            QOV_LOG_ERROR("cannot remove {}, left by an interrupted write: {}", leftover.string(),
                          std::error_code(reason, std::system_category()).message());
        }
    }
    ::close(opened);
}

void WriteTemporaries::removeLeftoversOnFirstWrite(const std::filesystem::path& folder) {
    {
        std::scoped_lock guard(registry().mutex);
        if (!registry().sweptFolders.insert(folder.lexically_normal()).second) {
            return;
        }
    }
    if (AppDirectories::shared()->holds(folder)) {
        removeLeftovers(folder);
    }
}

}  // namespace platform
