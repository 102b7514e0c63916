#include "app/shell/application/ApplicationHooks.h"

#include "platform/base/ProcessInstance.h"

namespace qov {

namespace {

std::function<void()>& mapConfigurationKeeper() {
    static platform::NeverDestroyed<std::function<void()>> keeper;
    return *keeper;
}

}  // namespace

void ApplicationHooks::setMapConfigurationKeeper(std::function<void()> keeper) {
    mapConfigurationKeeper() = std::move(keeper);
}

void ApplicationHooks::keepMapConfigurationFresh() {
    if (const auto& keeper = mapConfigurationKeeper()) {
        keeper();
    }
}

}  // namespace qov
