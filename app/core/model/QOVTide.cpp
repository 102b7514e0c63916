#include "app/core/model/QOVTide.h"

#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/DateOrdering.h"
#include "app/core/model/LocalCalendar.h"

namespace qov {

std::string QOVTide::nameInTimeZone(const std::optional<std::string>& timeZoneName) const {
    if (!m_date) {
        return m_name;
    }
    const int hour = LocalCalendar::fieldsOf(*m_date, timeZoneName).hour;
    if (hour >= 7 && hour <= 12) {
        return "Morning";
    }
    if (hour >= 13 && hour <= 18) {
        return "Afternoon";
    }
    if (hour >= 1 && hour <= 6) {
        return "Night";
    }
    return "Evening";
}

void QOVTide::initNameWithTimeZone(const std::optional<std::string>& timeZoneName) {
    m_name = nameInTimeZone(timeZoneName);
}

void QOVTide::initName() { initNameWithTimeZone(std::string("UTC")); }

std::weak_ordering QOVTide::compareTide(const QOVTide& other) const {
    return DateOrdering::compare(m_date, other.m_date);
}

void QOVTide::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeDate(m_date, "DateKey");
    archive::encodeOptionalDouble(coder, m_height, "HeightKey");
    coder.encodeInteger(m_low ? 1 : 0, "LowKey");
}

void QOVTide::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_date = coder.decodeDate("DateKey");
    m_height = archive::decodeOptionalDouble(coder, "HeightKey");
    m_low = coder.decodeInteger("LowKey") != 0;
}

}  // namespace qov
