#include "platform/base/Exception.h"

namespace platform {

Exception::Exception(std::string name, std::string reason)
    : std::runtime_error(name + ": " + reason), m_name(std::move(name)), m_reason(std::move(reason)) {}

void Exception::raiseAbstractClass(const std::string& className, const std::string& missingMethod) {
    throw Exception(kAbstractClassExceptionName,
                    "Class " + className + " must implement the selector " + missingMethod);
}

}  // namespace platform
