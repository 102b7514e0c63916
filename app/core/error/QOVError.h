#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/Object.h"
#include "platform/base/Value.h"

namespace qov {

// A user-facing error of the data layer, and the process-wide registry of them by category. Firing an error
// registers and announces it ("kQOVErrorNotificationFired", the sender as object, the error under "error")
// unless its category is already registered, so a burst of failures makes one announcement. Clearing a
// category forgets it and announces "kQOVErrorNotificationCleared" with an error holding only the category.
// The text is kept as the reporter gave it: a localisation key or an already localised text.
class QOVError : public platform::Object {
public:
    static constexpr const char* kFiredNotification = "kQOVErrorNotificationFired";
    static constexpr const char* kClearedNotification = "kQOVErrorNotificationCleared";
    static constexpr const char* kErrorKey = "error";

    QOVError(std::int32_t category, std::int32_t type, std::string textKey);

    std::int32_t category() const { return m_category; }
    std::int32_t type() const { return m_type; }
    const std::string& textKey() const { return m_textKey; }

    static void fireErrorWithCategory(std::int32_t category, std::int32_t type, std::string textKey,
                                      const platform::ObjectPtr& sender);
    // Announces the clearing even when nothing of the category was registered.
    static void clearErrorWithCategory(std::int32_t category, const platform::ObjectPtr& sender);
    // Empties the registry without announcing anything (also the way tests start from a clean registry).
    static void clearAllErrors();

private:
    std::int32_t m_category;
    std::int32_t m_type;
    std::string m_textKey;
};

}  // namespace qov
