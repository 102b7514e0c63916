#include "app/shell/application/ApplicationHooks.h"

namespace qov {

namespace {

std::function<void()>& mapConfigurationKeeper() {
    static std::function<void()> keeper;
    return keeper;
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
