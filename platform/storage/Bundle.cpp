#include "platform/storage/Bundle.h"

#include <cstdlib>
#include <system_error>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/PropertyList.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

constexpr std::size_t kMaxResourceSize = std::size_t{16} << 20;

std::filesystem::path defaultMainBundlePath() {
    if (const char* fromEnvironment = std::getenv("QOV_BUNDLE_DIR"); fromEnvironment && *fromEnvironment) {
        return fromEnvironment;
    }
#ifdef QOV_DEFAULT_BUNDLE_DIR
    return QOV_DEFAULT_BUNDLE_DIR;
#else
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "Qovara.app";
    }
    return executable.parent_path().parent_path() / "Qovara.app";
#endif
}

// A relative path that stays inside the folder it is joined to.
bool staysInside(const std::filesystem::path& relative) {
    if (relative.empty() || relative.is_absolute() || relative.has_root_name()) {
        return false;
    }
    for (const auto& part : relative) {
        if (part == "..") {
            return false;
        }
    }
    return true;
}

}  // namespace

Bundle::Bundle(std::filesystem::path path) : m_path(std::move(path)) {}

Bundle& Bundle::main() {
    static NeverDestroyed<Bundle> instance(defaultMainBundlePath());
    return *instance;
}

void Bundle::setMainBundlePath(std::filesystem::path path) { main().setPath(std::move(path)); }

void Bundle::setPath(std::filesystem::path path) {
    const std::lock_guard lock(m_mutex);
    m_path = std::move(path);
    m_info.reset();
    m_tables.clear();
}

std::filesystem::path Bundle::resourcePath() const {
    const std::lock_guard lock(m_mutex);
    return m_path;
}

Dictionary Bundle::infoDictionary() const {
    const std::lock_guard lock(m_mutex);
    return info();
}

Value Bundle::objectForInfoDictionaryKey(std::string_view key) const {
    const std::lock_guard lock(m_mutex);
    const Value* value = valueForKey(info(), key);
    return value ? *value : Value();
}

std::string Bundle::localizedString(const std::string& key, const std::string& defaultValue,
                                    const std::string& tableName) const {
    {
        const std::lock_guard lock(m_mutex);
        const auto& entries = table(tableName);
        if (const auto found = entries.find(key); found != entries.end()) {
            return found->second;
        }
    }
    return defaultValue.empty() ? key : defaultValue;
}

std::filesystem::path Bundle::pathForResource(std::string_view name, std::string_view type) const {
    const std::string fileName = type.empty() ? std::string(name) : std::string(name) + "." + std::string(type);
    if (!staysInside(fileName) || type.find('/') != std::string_view::npos) {
        return {};
    }
    const std::filesystem::path folder = resourcePath();
    for (const auto& candidate : {folder / fileName, folder / "en.lproj" / fileName}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

const Dictionary& Bundle::info() const {
    if (m_info) {
        return *m_info;
    }
    m_info.emplace();
    const auto file = m_path / "Info.plist";
    const auto text = AtomicFile::read(file, kMaxResourceSize);
    if (!text) {
        QOV_LOG_ERROR("no readable {}", file.string());
        return *m_info;
    }
    std::string problem;
    const PlistNode root = PropertyList::parseXml(*text, problem);
    Value value = root ? PropertyList::toValue(root.get()) : Value();
    if (auto* dictionary = value.ifDictionary()) {
        m_info = *dictionary;
    } else {
        QOV_LOG_ERROR("{} is not a property list dictionary {}", file.string(), problem);
    }
    return *m_info;
}

const StringsTable::Entries& Bundle::table(const std::string& name) const {
    if (const auto found = m_tables.find(name); found != m_tables.end()) {
        return found->second;
    }
    StringsTable::Entries entries;
    if (staysInside(name) && name.find('/') == std::string::npos) {
        const auto file = m_path / "en.lproj" / (name + ".strings");
        if (const auto text = AtomicFile::read(file, kMaxResourceSize)) {
            entries = StringsTable::parse(*text, file.string());
        } else {
            QOV_LOG_WARN("no readable localisation table {}", file.string());
        }
    }
    return m_tables.emplace(name, std::move(entries)).first->second;
}

}  // namespace platform
