#pragma once

#include <string>

namespace platform {

// The root of every class whose objects travel through user information, notifications and archives.
class Object {
public:
    virtual ~Object() = default;

    // The object's class name without its namespace ("QOVLocation"), as archives and logs record it.
    virtual std::string className() const;

    // The unqualified name of a type given as a mangled name (typeid(T).name()).
    static std::string unqualifiedTypeName(const char* mangledName);
};

}  // namespace platform
