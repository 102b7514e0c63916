#include "app/core/location/LocationList.h"

#include "app/core/location/DefaultsArchive.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

platform::Array LocationList::asArray() const {
    platform::Array array;
    array.reserve(m_entries.size());
    for (const auto& entry : m_entries) {
        array.emplace_back(entry);
    }
    return array;
}

std::optional<std::size_t> LocationList::indexOfLocation(const QOVLocationIdentity& location) const {
    for (std::size_t index = 0; index < m_entries.size(); ++index) {
        if (m_entries[index]->isEqualToLocation(location)) {
            return index;
        }
    }
    return std::nullopt;
}

std::shared_ptr<QOVLocationIdentity> LocationList::locationMatching(const QOVLocationIdentity& location) const {
    const auto index = indexOfLocation(location);
    return index ? m_entries[*index] : nullptr;
}

void LocationList::insert(std::size_t index, std::shared_ptr<QOVLocationIdentity> location) {
    if (index >= m_entries.size()) {
        m_entries.push_back(std::move(location));
    } else {
        m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(index), std::move(location));
    }
}

std::shared_ptr<QOVLocationIdentity> LocationList::removeAt(std::size_t index) {
    if (index >= m_entries.size()) {
        return nullptr;
    }
    auto removed = std::move(m_entries[index]);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    return removed;
}

bool LocationList::removeLocation(const QOVLocationIdentity& location) {
    const auto index = indexOfLocation(location);
    if (index) {
        removeAt(*index);
    }
    return index.has_value();
}

void LocationList::archive(platform::UserDefaults& defaults) const {
    DefaultsArchive::store(defaults, m_defaultsKey, platform::Value(asArray()));
}

void LocationList::load(platform::UserDefaults& defaults) {
    m_entries.clear();
    const auto stored = DefaultsArchive::load(defaults, m_defaultsKey,
                                              [](const platform::Value& value) { return value.ifArray() != nullptr; });
    if (!stored) {
        return;
    }
    for (const auto& element : *stored->ifArray()) {
        if (auto location = element.object<QOVLocationIdentity>()) {
            m_entries.push_back(std::move(location));
        } else {
            QOV_LOG_WARN("Skipped a stored entry of \"{}\" that is not a location", m_defaultsKey);
        }
    }
}

}  // namespace qov
