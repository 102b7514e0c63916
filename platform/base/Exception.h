#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A named exception, raised only for programming errors (never for bad outside input).
class Exception : public std::runtime_error {
public:
    Exception(std::string name, std::string reason);

    const std::string& name() const { return m_name; }
    const std::string& reason() const { return m_reason; }

    // Raised when an abstract operation is called: "Abstract Class Exception" with the reason
    // "Class <className> must implement the selector <selector>".
    [[noreturn]] static void raiseAbstractClass(const std::string& className, const std::string& missingMethod);

    static constexpr const char* kAbstractClassExceptionName = "Abstract Class Exception";

private:
    std::string m_name;
    std::string m_reason;
};

}  // namespace platform
