#include "platform/storage/WriteTemporaries.h"

#include <cctype>
#include <mutex>
#include <set>
#include <system_error>
#include <vector>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

constexpr std::string_view kMarker = ".tmp-";
constexpr std::size_t kUniqueLength = 6;  // mkstemp's "XXXXXX"

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

}  // namespace

std::string WriteTemporaries::patternFor(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    return (folder / (file.filename().string() + std::string(kMarker) + std::string(kUniqueLength, 'X'))).string();
}

bool WriteTemporaries::isTemporaryName(const std::string& name) {
    const std::size_t suffixLength = kMarker.size() + kUniqueLength;
    if (name.size() <= suffixLength || name.compare(name.size() - suffixLength, kMarker.size(), kMarker) != 0) {
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
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return;
    }
    std::vector<std::filesystem::path> leftovers;
    for (const auto& entry : entries) {
        if (isTemporaryName(entry.path().filename().string())) {
            leftovers.push_back(entry.path());
        }
    }
    std::scoped_lock guard(registry().mutex);
    for (const auto& leftover : leftovers) {
        if (registry().inFlight.contains(leftover.lexically_normal())) {
            continue;
        }
        if (std::filesystem::remove(leftover, error)) {
            QOV_LOG_WARN("removed {}, left by an interrupted write", leftover.string());
        } else if (error) {
            QOV_LOG_ERROR("cannot remove {}, left by an interrupted write: {}", leftover.string(), error.message());
        }
    }
}

void WriteTemporaries::removeLeftoversOnFirstWrite(const std::filesystem::path& folder) {
    {
        std::scoped_lock guard(registry().mutex);
        if (!registry().sweptFolders.insert(folder.lexically_normal()).second) {
            return;
        }
    }
    removeLeftovers(folder);
}

}  // namespace platform
