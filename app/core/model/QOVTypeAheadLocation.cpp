#include "app/core/model/QOVTypeAheadLocation.h"

#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/DataFreshness.h"
#include "platform/base/Clock.h"

namespace qov {

QOVTypeAheadLocation::QOVTypeAheadLocation() : m_creationDate(platform::Clock::shared()->now()) {}

double QOVTypeAheadLocation::age() const { return DataFreshness::age(m_creationDate); }

bool QOVTypeAheadLocation::isStale() const { return DataFreshness::isStale(age()); }

bool QOVTypeAheadLocation::isInvalid() const { return DataFreshness::isInvalid(age()); }

float QOVTypeAheadLocation::confidence() const { return DataFreshness::confidence(age()); }

std::string QOVTypeAheadLocation::displayName() const {
    if (m_nickName) {
        return *m_nickName;
    }
    const std::string& place = m_city.empty() ? m_name : m_city;
    if (m_countryCode == "US") {
        return place + ", " + m_state;
    }
    std::string text = place;
    if (!m_state.empty()) {
        text += ", " + m_state;
    }
    if (!m_country.empty()) {
        text += ", " + m_country;
    }
    return text;
}

void QOVTypeAheadLocation::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVLocationIdentity::encodeWithCoder(coder);
    coder.encodeString(m_name, "name");
    coder.encodeDate(m_creationDate, "creationDate");
    archive::encodeOptionalString(coder, m_nickName, "nickName");
    coder.encodeString(m_city, "city");
    coder.encodeString(m_state, "state");
    coder.encodeString(m_postalCode, "postalCode");
    coder.encodeString(m_country, "country");
    coder.encodeString(m_countryCode, "countryCode");
}

void QOVTypeAheadLocation::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVLocationIdentity::decodeWithCoder(coder);
    m_name = coder.decodeString("name");
    m_creationDate = coder.decodeDate("creationDate");
    m_bigCity = false;
    m_nickName = archive::decodeOptionalString(coder, "nickName");
    m_city = coder.decodeString("city");
    m_state = coder.decodeString("state");
    m_postalCode = coder.decodeString("postalCode");
    m_country = coder.decodeString("country");
    m_countryCode = coder.decodeString("countryCode");
}

}  // namespace qov
