#include "app/core/model/QOVPollenInformation.h"

#include <algorithm>
#include <cmath>

#include "app/core/model/QOVPollenEntry.h"

namespace qov {

void QOVPollenInformation::addPollenValue(std::uint32_t value, const std::string& description, const std::string& type,
                                          platform::Date date) {
    if (std::isnan(date.secondsSince1970)) {
        date = platform::Date{};  // a date that is no number cannot be ordered; file it under the epoch
    }
    std::lock_guard lock(m_mutex);
    auto [readings, inserted] = m_forecasts.try_emplace(date.secondsSince1970);
    if (inserted) {
        m_dates.push_back(date);
    }
    readings->second[type] = std::make_shared<QOVPollenEntry>(value, description);
}

std::uint32_t QOVPollenInformation::basicPollenValue() const {
    std::lock_guard lock(m_mutex);
    if (m_dates.empty()) {
        return 0;
    }
    const auto found = m_forecasts.find(m_dates.front().secondsSince1970);
    std::uint32_t highest = 0;
    if (found != m_forecasts.end()) {
        for (const auto& [type, entry] : found->second) {
            highest = std::max(highest, entry->value());
        }
    }
    return highest;
}

std::vector<platform::Date> QOVPollenInformation::dates() const {
    std::lock_guard lock(m_mutex);
    return m_dates;
}

}  // namespace qov
