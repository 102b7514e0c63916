#include "app/core/location/DefaultsArchive.h"

#include <mutex>

#include "platform/base/Log.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

void registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        platform::ArchiveRegistry::registerClass(
            "DefaultsArchive", [](const platform::KeyedUnarchiver& coder) -> std::shared_ptr<platform::Object> {
                // Named first: GCC 12 warns wrongly of an uninitialised value when the decoded value is moved
                // through make_shared as a temporary.
                const platform::Value root = coder.decodeValue(DefaultsArchive::kRootKey);
                return std::make_shared<DefaultsArchive>(root);
            });
    });
}

}  // namespace

void DefaultsArchive::encodeWithCoder(platform::KeyedArchiver& coder) const { coder.encodeValue(m_root, kRootKey); }

bool DefaultsArchive::store(platform::UserDefaults& defaults, std::string_view key, const platform::Value& value) {
    auto data = platform::KeyedArchiver::archivedDataWithRootObject(DefaultsArchive(value));
    if (!data) {
        QOV_LOG_ERROR("Could not archive the value of \"{}\"; the stored one is kept", key);
        return false;
    }
    defaults.setObject(platform::Value(std::move(*data)), key);
    return true;
}

std::optional<platform::Value> DefaultsArchive::load(platform::UserDefaults& defaults, std::string_view key,
                                                     const Acceptor& accepts) {
    registerArchiveClass();
    const platform::Value stored = defaults.objectForKey(key);
    if (stored.isNull()) {
        return std::nullopt;
    }
    const auto* data = stored.ifData();
    if (!data) {
        defaults.removeDamagedObjectForKey(key, "not archived data");
        return std::nullopt;
    }
    const auto archive = platform::KeyedUnarchiver::unarchiveObjectOfClass<DefaultsArchive>(*data);
    if (!archive) {
        defaults.removeDamagedObjectForKey(key, "not a readable archive");
        return std::nullopt;
    }
    if (!accepts(archive->root())) {
        defaults.removeDamagedObjectForKey(key, "unexpected contents");
        return std::nullopt;
    }
    return archive->root();
}

}  // namespace qov
