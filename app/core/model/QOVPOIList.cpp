#include "app/core/model/QOVPOIList.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/base/Clock.h"

namespace qov {

QOVPOIList::QOVPOIList() : m_createdDate(platform::Clock::shared()->now()) {}

double QOVPOIList::age() const { return m_createdDate.timeIntervalSince(platform::Clock::shared()->now()); }

bool QOVPOIList::isStale() const { return std::trunc(std::fabs(age())) > kStaleAge; }

void QOVPOIList::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    platform::Array points;
    points.reserve(m_poiLocations.size());
    for (const auto& point : m_poiLocations) {
        if (point) {
            points.emplace_back(point);
        }
    }
    coder.encodeValue(platform::Value(std::move(points)), "poiLocations");
    coder.encodeString(m_quadKey, "quadKey");
    coder.encodeInteger(m_type, "type");
    coder.encodeDate(m_createdDate, "createdDate");
}

void QOVPOIList::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_poiLocations = coder.decodeArrayOfClass<QOVPointOfInterest>("poiLocations");
    m_quadKey = coder.decodeString("quadKey");
    m_type = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(coder.decodeInteger("type"), 0, std::numeric_limits<std::uint32_t>::max()));
    // Without its creation date a list counts as made long ago, so it is stale and fetched again.
    m_createdDate = coder.decodeDate("createdDate").value_or(platform::Date{});
}

}  // namespace qov
