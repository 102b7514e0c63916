#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/Value.h"

namespace platform {
class UserDefaults;
}

namespace qov {

class QOVLocationIdentity;

// An ordered list of locations as the location manager keeps them (the favourites, the home slot, the push
// slot). Lookups match by key and type (QOVLocationIdentity::isEqualToLocation), the first match winning. The
// list is kept in the user defaults under its key as an archive of its entries, whatever their class (plain
// identities, type-ahead results, full location records).
class LocationList {
public:
    using Entries = std::vector<std::shared_ptr<QOVLocationIdentity>>;

    explicit LocationList(std::string defaultsKey) : m_defaultsKey(std::move(defaultsKey)) {}

    const std::string& defaultsKey() const { return m_defaultsKey; }
    const Entries& entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    // The entries as values, for change notices.
    platform::Array asArray() const;

    std::optional<std::size_t> indexOfLocation(const QOVLocationIdentity& location) const;
    // The first matching entry, or nullptr.
    std::shared_ptr<QOVLocationIdentity> locationMatching(const QOVLocationIdentity& location) const;
    bool containsLocation(const QOVLocationIdentity& location) const { return indexOfLocation(location).has_value(); }

    void append(std::shared_ptr<QOVLocationIdentity> location) { m_entries.push_back(std::move(location)); }
    // Inserts at index, or appends when index is past the end.
    void insert(std::size_t index, std::shared_ptr<QOVLocationIdentity> location);
    // Removes and answers the entry at index (nullptr past the end).
    std::shared_ptr<QOVLocationIdentity> removeAt(std::size_t index);
    // Removes the first matching entry; answers whether one matched.
    bool removeLocation(const QOVLocationIdentity& location);
    void clear() { m_entries.clear(); }

    // Writes the archive of the entries under the list's key.
    void archive(platform::UserDefaults& defaults) const;
    // Replaces the entries by the stored ones (none when the key is absent or unreadable). Stored elements that
    // are not locations are skipped.
    void load(platform::UserDefaults& defaults);

private:
    std::string m_defaultsKey;
    Entries m_entries;
};

}  // namespace qov
