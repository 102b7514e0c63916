#include "platform/base/Object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

#include "platform/base/ProcessInstance.h"

namespace platform {

std::string Object::className() const {
    // Demangling costs about a microsecond and archives ask once per object: names are kept per type.
    static NeverDestroyed<std::mutex> mutex;
    static NeverDestroyed<std::unordered_map<std::type_index, std::string>> known;
    const std::type_index type(typeid(*this));
    {
        const std::lock_guard lock(*mutex);
        if (const auto found = known->find(type); found != known->end()) {
            return found->second;
        }
    }
    std::string name = unqualifiedTypeName(typeid(*this).name());
    const std::lock_guard lock(*mutex);
    known->emplace(type, name);
    return name;
}

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
