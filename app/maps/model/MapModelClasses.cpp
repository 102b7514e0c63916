#include "app/maps/model/MapModelClasses.h"

#include <memory>
#include <mutex>

#include "app/maps/model/QOVMapTileConfig.h"
#include "app/maps/model/QOVMapTileData.h"

namespace qov {

namespace {

template <typename T>
void registerClass(const char* name) {
    platform::ArchiveRegistry::registerClass(name, [](const platform::KeyedUnarchiver& coder) {
        auto object = std::make_shared<T>();
        object->decodeWithCoder(coder);
        return std::shared_ptr<platform::Object>(std::move(object));
    });
}

}  // namespace

void registerMapModelClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        registerClass<QOVMapTileConfig>("QOVMapTileConfig");
        registerClass<QOVMapLayer>("QOVMapLayer");
        registerClass<QOVMapSeries>("QOVMapSeries");
        registerClass<QOVMapTileData>("QOVMapTileData");
    });
}

}  // namespace qov
