#include "platform/storage/AppDirectories.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/PrivateFolder.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

ProcessSlot<AppDirectories>& sharedSlot() {
    static ProcessSlot<AppDirectories> slot;
    return slot;
}

std::filesystem::path absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return {};
    }
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

}  // namespace

std::vector<std::filesystem::path> AppDirectories::folders() {
    const std::filesystem::path caches(kCachesFolder);
    std::vector<std::filesystem::path> folders;
    for (const std::filesystem::path& folder :
         {caches, caches / kApplicationCacheFolder, caches / kMapCacheFolder, std::filesystem::path(kPreferencesFolder),
          std::filesystem::path(kKeychainsFolder), std::filesystem::path(kDocumentsFolder)}) {
        std::filesystem::path path;
        for (const auto& name : folder) {
            path /= name;
            if (std::find(folders.begin(), folders.end(), path) == folders.end()) {
                folders.push_back(path);
            }
        }
    }
    return folders;
}

AppDirectories::AppDirectories(std::filesystem::path home) : m_home(std::move(home)) {}

std::filesystem::path AppDirectories::defaultHome() {
    if (auto dataHome = absoluteVariable("XDG_DATA_HOME"); !dataHome.empty()) {
        return dataHome / "qovara";
    }
    if (auto userHome = absoluteVariable("HOME"); !userHome.empty()) {
        return userHome / ".local" / "share" / "qovara";
    }
    std::error_code error;
    return std::filesystem::temp_directory_path(error) / "qovara";
}

std::shared_ptr<AppDirectories> AppDirectories::shared() {
    return sharedSlot().instance([] { return std::make_shared<AppDirectories>(defaultHome()); });
}

void AppDirectories::setShared(std::shared_ptr<AppDirectories> directories) {
    sharedSlot().exchange(std::move(directories));
}

std::filesystem::path AppDirectories::home() const {
    const std::lock_guard lock(m_mutex);
    return m_home;
}

void AppDirectories::setHome(std::filesystem::path home) {
    const std::lock_guard lock(m_mutex);
    m_home = std::move(home);
}

bool AppDirectories::holds(const std::filesystem::path& path) const {
    std::error_code homeError;
    std::error_code pathError;
    std::filesystem::path folder = std::filesystem::absolute(home(), homeError);
    const std::filesystem::path absolute = std::filesystem::absolute(path, pathError).lexically_normal();
    if (homeError || pathError || folder.empty()) {
        return false;
    }
    folder = folder.lexically_normal();
    if (folder.filename().empty()) {
        folder = folder.parent_path();  // "/a/home/" names "/a/home"
    }
    const std::filesystem::path relative = absolute.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

std::filesystem::path AppDirectories::cachesDirectory() const { return directory(kCachesFolder); }

std::filesystem::path AppDirectories::documentsDirectory() const { return directory(kDocumentsFolder); }

std::filesystem::path AppDirectories::preferencesDirectory() const { return directory(kPreferencesFolder); }

std::filesystem::path AppDirectories::directory(const std::filesystem::path& relative) const {
    std::filesystem::path path = home();
    std::error_code error = PrivateFolder::ensurePath(path);
    for (const auto& name : relative) {
        path /= name;
        if (!error) {
            error = PrivateFolder::ensure(path);
        }
    }
    if (error) {
        QOV_LOG_ERROR("cannot create {}: {}", path.string(), error.message());
    }
    return path;
}

}  // namespace platform
