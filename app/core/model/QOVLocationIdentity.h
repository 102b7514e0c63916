#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"

namespace qov {

// A place the user can ask the weather for: the data service's location type and key, plus the user's own
// nickname. identifierAsString() ("KEY:TYPE") is the name under which caches, listeners and service commands
// file the location's data. Archive keys: "type", "key", "userNickname".
class QOVLocationIdentity : public QOVDataObject, public std::enable_shared_from_this<QOVLocationIdentity> {
public:
    QOVLocationIdentity() = default;
    QOVLocationIdentity(std::int32_t type, std::optional<std::string> key,
                        std::optional<std::string> userNickname = std::nullopt);

    // 0 means no location; 4 is a place known by its postal code.
    std::int32_t type() const { return m_type; }
    void setType(std::int32_t type) { m_type = type; }
    const std::optional<std::string>& key() const { return m_key; }
    void setKey(std::optional<std::string> key) { m_key = std::move(key); }
    const std::optional<std::string>& userNickname() const { return m_userNickname; }
    void setUserNickname(std::optional<std::string> nickname) { m_userNickname = std::move(nickname); }

    // "KEY:TYPE", e.g. "USGA0028:1" (an absent key counts as empty).
    std::string identifierAsString() const;
    // Same key and type; the nickname plays no part. An identity without a key equals no identity.
    bool isEqualToLocation(const QOVLocationIdentity& other) const;
    // The identity to store for this location: the receiver itself (a full record answers a new identity).
    virtual std::shared_ptr<QOVLocationIdentity> identity();
    // For logs: "<QOVLocationIdentity: 0x...> key:... nick:...".
    std::string description() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::int32_t m_type = 0;
    std::optional<std::string> m_key;
    std::optional<std::string> m_userNickname;
};

}  // namespace qov
