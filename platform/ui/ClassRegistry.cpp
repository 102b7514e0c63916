#include "platform/ui/ClassRegistry.h"

#include <map>
#include <mutex>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

struct Classes {
    std::mutex mutex;
    std::map<std::string, ClassRegistry::Factory, std::less<>> byName;
};

Classes& classes() {
    static NeverDestroyed<Classes> shared;
    return *shared;
}

}  // namespace

void ClassRegistry::registerClass(const std::string& name, Factory factory) {
    Classes& shared = classes();
    std::lock_guard lock(shared.mutex);
    shared.byName[name] = std::move(factory);
}

bool ClassRegistry::isRegistered(const std::string& name) {
    Classes& shared = classes();
    std::lock_guard lock(shared.mutex);
    return shared.byName.contains(name);
}

std::shared_ptr<Object> ClassRegistry::create(const std::string& name) {
    Factory factory;
    {
        Classes& shared = classes();
        std::lock_guard lock(shared.mutex);
        auto found = shared.byName.find(name);
        if (found != shared.byName.end()) {
            factory = found->second;
        }
    }
    if (!factory) {
        QOV_LOG_ERROR("No class named \"{}\"", name);
        return nullptr;
    }
    return factory();
}

void ClassRegistry::logWrongClass(const std::string& name) {
    QOV_LOG_ERROR("Class \"{}\" is not of the kind asked for", name);
}

}  // namespace platform::ui
