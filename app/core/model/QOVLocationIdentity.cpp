#include "app/core/model/QOVLocationIdentity.h"

#include <fmt/format.h>

#include "app/core/model/ArchiveCoding.h"

namespace qov {

QOVLocationIdentity::QOVLocationIdentity(std::int32_t type, std::optional<std::string> key,
                                         std::optional<std::string> userNickname)
    : m_type(type), m_key(std::move(key)), m_userNickname(std::move(userNickname)) {}

std::string QOVLocationIdentity::identifierAsString() const {
    return fmt::format("{}:{}", m_key.value_or(std::string()), m_type);
}

bool QOVLocationIdentity::isEqualToLocation(const QOVLocationIdentity& other) const {
    return m_key && other.m_key && *m_key == *other.m_key && m_type == other.m_type;
}

std::shared_ptr<QOVLocationIdentity> QOVLocationIdentity::identity() {
    if (auto self = weak_from_this().lock()) {
        return self;
    }
    return std::make_shared<QOVLocationIdentity>(m_type, m_key, m_userNickname);
}

std::string QOVLocationIdentity::description() const {
    return fmt::format("<{}: {}> key:{} nick:{}", className(), static_cast<const void*>(this), m_key.value_or("(null)"),
                       m_userNickname.value_or("(null)"));
}

void QOVLocationIdentity::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeInteger(m_type, "type");
    archive::encodeOptionalString(coder, m_key, "key");
    archive::encodeOptionalString(coder, m_userNickname, "userNickname");
}

void QOVLocationIdentity::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_type = archive::decodeInt32(coder, "type");
    m_key = archive::decodeOptionalString(coder, "key");
    m_userNickname = archive::decodeOptionalString(coder, "userNickname");
}

}  // namespace qov
