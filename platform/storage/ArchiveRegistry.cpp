#include <map>
#include <mutex>

#include "platform/base/ProcessInstance.h"
#include "platform/storage/KeyedArchiver.h"

namespace platform {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::string, ArchiveRegistry::Factory, std::less<>> factories;
};

Registry& registry() {
    static NeverDestroyed<Registry> instance;
    return *instance;
}

}  // namespace

void ArchiveRegistry::registerClass(const std::string& className, Factory factory) {
    Registry& shared = registry();
    const std::lock_guard lock(shared.mutex);
    shared.factories.insert_or_assign(className, std::move(factory));
}

bool ArchiveRegistry::isRegistered(const std::string& className) {
    Registry& shared = registry();
    const std::lock_guard lock(shared.mutex);
    return shared.factories.contains(className);
}

ArchiveRegistry::Factory ArchiveRegistry::factoryFor(std::string_view className) {
    Registry& shared = registry();
    const std::lock_guard lock(shared.mutex);
    const auto found = shared.factories.find(className);
    return found == shared.factories.end() ? Factory() : found->second;
}

}  // namespace platform
