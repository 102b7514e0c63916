#include "app/core/model/QOVPollenEntry.h"

namespace qov {

QOVPollenEntry::QOVPollenEntry(std::uint32_t value, std::string description)
    : m_value(value), m_description(std::move(description)) {}

}  // namespace qov
