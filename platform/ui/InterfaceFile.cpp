#include "platform/ui/InterfaceFile.h"

#include <map>
#include <mutex>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

struct Builders {
    std::mutex mutex;
    std::map<std::string, InterfaceFile::Builder, std::less<>> byName;
};

Builders& builders() {
    static NeverDestroyed<Builders> shared;
    return *shared;
}

}  // namespace

void InterfaceFile::registerBuilder(const std::string& name, Builder builder) {
    Builders& shared = builders();
    std::lock_guard lock(shared.mutex);
    shared.byName[name] = std::move(builder);
}

void InterfaceFile::unregisterBuilder(const std::string& name) {
    Builders& shared = builders();
    std::lock_guard lock(shared.mutex);
    shared.byName.erase(name);
}

bool InterfaceFile::exists(const std::string& name) {
    Builders& shared = builders();
    std::lock_guard lock(shared.mutex);
    return shared.byName.contains(name);
}

std::optional<std::vector<std::shared_ptr<Responder>>> InterfaceFile::load(const std::string& name,
                                                                           std::shared_ptr<Responder> owner) {
    Builder builder;
    {
        Builders& shared = builders();
        std::lock_guard lock(shared.mutex);
        auto found = shared.byName.find(name);
        if (found != shared.byName.end()) {
            builder = found->second;
        }
    }
    if (!builder) {
        QOV_LOG_ERROR("Could not load the interface file named \"{}\": no such file", name);
        return std::nullopt;
    }
    InterfaceContext context(std::move(owner));
    builder(context);
    for (const auto& object : context.objects()) {
        object->awakeFromNib();
    }
    return context.topLevelObjects();
}

std::shared_ptr<Responder> InterfaceFile::firstObject(const std::string& name, std::shared_ptr<Responder> owner) {
    auto objects = load(name, std::move(owner));
    if (!objects) {
        return nullptr;
    }
    if (objects->empty()) {
        QOV_LOG_ERROR("The interface file named \"{}\" has no top-level object", name);
        return nullptr;
    }
    return objects->front();
}

}  // namespace platform::ui
