#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/core/model/QOVDataObject.h"

namespace qov {

class QOVPollenEntry;

// Pollen index readings by date and pollen type, and their summary: the highest reading of the first date
// added. Not archived. Safe to use from several threads.
class QOVPollenInformation : public QOVDataObject {
public:
    // Records a reading; a later reading of the same type and date (the same instant) replaces the earlier.
    void addPollenValue(std::uint32_t value, const std::string& description, const std::string& type,
                        platform::Date date);
    // The largest reading of the first date added; 0 without readings.
    std::uint32_t basicPollenValue() const;
    // The reading dates in the order they were first added.
    std::vector<platform::Date> dates() const;

private:
    mutable std::recursive_mutex m_mutex;
    std::vector<platform::Date> m_dates;
    std::map<double, std::map<std::string, std::shared_ptr<QOVPollenEntry>>> m_forecasts;
};

}  // namespace qov
