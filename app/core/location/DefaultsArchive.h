#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "platform/storage/KeyedArchiver.h"

namespace platform {
class UserDefaults;
}

namespace qov {

// One value kept as a keyed archive in the user defaults. A keyed archive's root must be an object, so the
// value (a list of locations, an identity, a dictionary of counts) travels as the archive's single key "root".
//
// Reading is forgiving: data that is not an archive, an archive that cannot be read, and a value of the wrong
// kind count as missing. Such a value is kept aside beside the defaults file and its key removed
// (UserDefaults::removeDamagedObjectForKey), so a damaged entry costs one log line once instead of failing at every
// launch, and its bytes stay for inspection.
class DefaultsArchive final : public platform::Archivable {
public:
    static constexpr const char* kRootKey = "root";
    // Whether a decoded value has the kind its reader expects.
    using Acceptor = std::function<bool(const platform::Value&)>;

    explicit DefaultsArchive(platform::Value root) : m_root(std::move(root)) {}

    const platform::Value& root() const { return m_root; }
    void encodeWithCoder(platform::KeyedArchiver& coder) const override;

    // Stores the archive of value under key; false (logged) when it cannot be archived.
    static bool store(platform::UserDefaults& defaults, std::string_view key, const platform::Value& value);
    // The value archived under key; nullopt when there is none or it is unreadable or not accepted.
    static std::optional<platform::Value> load(platform::UserDefaults& defaults, std::string_view key,
                                               const Acceptor& accepts);

private:
    platform::Value m_root;
};

}  // namespace qov
