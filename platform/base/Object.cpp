#include "platform/base/Object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace platform {

std::string Object::className() const { return unqualifiedTypeName(typeid(*this).name()); }

std::string Object::unqualifiedTypeName(const char* mangledName) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangledName, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = (status == 0 && demangled) ? demangled.get() : mangledName;
    // Drop template arguments, then every namespace qualifier.
    if (const auto angle = name.find('<'); angle != std::string::npos) {
        name.erase(angle);
    }
    if (const auto colon = name.rfind("::"); colon != std::string::npos) {
        name.erase(0, colon + 2);
    }
    return name;
}

}  // namespace platform
