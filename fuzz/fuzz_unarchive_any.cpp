// Feeds arbitrary bytes to the keyed unarchiver as any archived class, and as each archive the location manager
// keeps in the user defaults (favourites, home, push, current location, pop ranks). Whatever is read is asked for
// its derived values and archived again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVConfiguration.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVPOIList.h"
#include "fuzz/ModelFuzzSupport.h"
#include "platform/geo/FixedPositionSource.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/UserDefaults.h"

namespace {

std::filesystem::path fuzzFolder;
std::shared_ptr<platform::UserDefaults> fuzzDefaults;

void removeFuzzFolder() {
    fuzzDefaults.reset();  // writes its file first
    std::error_code ignored;
    std::filesystem::remove_all(fuzzFolder, ignored);
}

void readAsDefaults(const platform::Data& data) {
    for (const char* key :
         {qov::QOVLocationManager::kFavoriteLocationDataKey, qov::QOVLocationManager::kHomeLocationDataKey,
          qov::QOVLocationManager::kPushLocationDataKey, qov::QOVLocationManager::kPopRankDataKey,
          qov::QOVLocationManager::kCurrentLocationDataKey}) {
        fuzzDefaults->setObject(platform::Value(data), key);
    }
    const auto manager = qov::QOVLocationManager::create(
        fuzzDefaults, std::make_shared<platform::geo::FixedPositionSource>(), [] { return nullptr; });
    volatile std::size_t sink = manager->favoriteLocations().size() + manager->allLocations().size() +
                                manager->popRank().size() + (manager->homeLocation() ? 1U : 0U) +
                                (manager->pushLocation() ? 1U : 0U) + (manager->currentLocation() ? 1U : 0U);
    (void)sink;
}

void readAsAnyClass(const platform::Data& data) {
    const auto object = platform::KeyedUnarchiver::unarchiveObjectWithData(data);
    if (const auto location = std::dynamic_pointer_cast<qov::QOVLocation>(object)) {
        qovfuzz::exerciseLocation(*location);
    } else if (const auto configuration = std::dynamic_pointer_cast<qov::QOVMobileAppConfig>(object)) {
        volatile bool stale = configuration->isStale() && configuration->allCategories().empty();
        (void)stale;
    } else if (const auto list = std::dynamic_pointer_cast<qov::QOVPOIList>(object)) {
        volatile bool stale = list->isStale();
        (void)stale;
    } else if (const auto older = std::dynamic_pointer_cast<qov::QOVConfiguration>(object)) {
        volatile bool stale = older->isStale();
        (void)stale;
    }
    if (const auto archivable = std::dynamic_pointer_cast<platform::Archivable>(object)) {
        qovfuzz::exerciseArchiveRoundTrip(*archivable);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qov::registerModelClasses();
    char folder[] = "/tmp/fuzz_unarchive_any-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        std::abort();
    }
    fuzzFolder = folder;
    fuzzDefaults = std::make_shared<platform::UserDefaults>(fuzzFolder / "defaults.plist");
    std::atexit(removeFuzzFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::Data bytes(data, data + size);
    readAsDefaults(bytes);  // also registers the defaults' archive class
    readAsAnyClass(bytes);
    return 0;
}
