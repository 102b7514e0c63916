#include "app/core/model/JsonAnswerGuard.h"

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

void JsonAnswerGuard::logFailure(std::string_view answerKind, std::string_view reason) noexcept {
    try {
        QOV_LOG_WARN("Error processing the JSON {} answer: {}", answerKind, reason);
    } catch (...) {
        // Nothing more can be done when even the log fails.
    }
}

}  // namespace qov
