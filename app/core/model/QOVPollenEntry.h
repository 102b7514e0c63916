#pragma once

#include <cstdint>
#include <string>

#include "app/core/model/QOVDataObject.h"

namespace qov {

// One pollen index reading (not archived).
class QOVPollenEntry : public QOVDataObject {
public:
    QOVPollenEntry(std::uint32_t value, std::string description);

    std::uint32_t value() const { return m_value; }
    const std::string& description() const { return m_description; }

private:
    std::uint32_t m_value = 0;
    std::string m_description;
};

}  // namespace qov
