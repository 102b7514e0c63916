#pragma once

#include <cstddef>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "platform/storage/KeyedArchiver.h"

namespace qovfuzz {

// Asks a location for everything the screens derive from it (names, freshness, calendar work).
inline void exerciseLocation(const qov::QOVLocation& location) {
    volatile std::size_t sink = location.displayName().size() + location.identifierAsString().size();
    sink = sink + static_cast<std::size_t>(location.isStale()) + static_cast<std::size_t>(location.isAfternoon()) +
           static_cast<std::size_t>(location.isEvening()) + static_cast<std::size_t>(location.hasHiRadData());
    volatile float confidence = location.confidence();
    (void)confidence;
    if (location.sunriseSunsets() && !location.sunriseSunsets()->empty()) {
        const auto& first = location.sunriseSunsets()->front();
        if (first && first->sunrise()) {
            sink = sink + (location.sunriseSunsetForDate(*first->sunrise()) != nullptr ? 1U : 0U);
        }
    }
}

// Archives an object and reads the archive back.
inline void exerciseArchiveRoundTrip(const platform::Archivable& object) {
    if (const auto archived = platform::KeyedArchiver::archivedDataWithRootObject(object)) {
        volatile bool read = platform::KeyedUnarchiver::unarchiveObjectWithData(*archived) != nullptr;
        (void)read;
    }
}

}  // namespace qovfuzz
