#include "app/shell/upgrade/LegacyDataUpgrade.h"

#include <system_error>

#include "app/core/location/DefaultLocation.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/upgrade/LegacyArchiveClasses.h"
#include "platform/base/Log.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(31)

namespace qov {

namespace {

constexpr const char* kLastVersionRanKey = "lastVersionRan";

bool startsWith(const std::optional<std::string>& text, std::string_view prefix) {
    return text && text->starts_with(prefix);
}

// The archive's root when it is of class T; a missing, damaged or foreign archive answers nullptr.
template <typename T>
std::shared_ptr<T> readArchive(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return nullptr;
    }
    const auto root = platform::KeyedUnarchiver::unarchiveObjectWithFile(file);
    auto object = std::dynamic_pointer_cast<T>(root);
    if (!object) {
        QOV_LOG_WARN("Ignoring the old archive {}: it does not hold the expected data", file.string());
    }
    return object;
}

}  // namespace

void LegacyDataUpgrade::run(const Bundle& bundle, const std::optional<std::string>& lastVersion,
                            const std::filesystem::path& documentsDirectory) {
    if (bundle.identifier.find("iPad") != std::string::npos) {
        if (startsWith(lastVersion, "2.")) {
            upgradePadDefaults();
        }
        if (bundle.version == "3.0.1") {
            QOVSettingsService::sharedInstance()->setGlobeIsHidden(true);
        }
    } else if (startsWith(lastVersion, "3.")) {
        upgradePhoneArchives(documentsDirectory);
    }

    const auto manager = QOVLocationManager::sharedManager();
    if (!manager->hasValidCurrentLocation()) {
        const auto location = DefaultLocation::identity();
        manager->setCurrentLocation(location);
        if (manager->favoriteLocations().empty()) {
            manager->addFavoriteLocation(location);
        }
    }
    const auto defaults = platform::UserDefaults::standard();
    defaults->setString(bundle.version, kLastVersionRanKey);
    defaults->synchronize();
}

void LegacyDataUpgrade::upgradePadDefaults() {
    const auto defaults = platform::UserDefaults::standard();
    const auto manager = QOVLocationManager::sharedManager();
    for (const auto& entry : defaults->arrayForKey("locationList")) {
        const auto* place = entry.ifDictionary();
        if (const auto identity = place ? legacyLocationIdentity(*place, "key", "type") : nullptr) {
            manager->addFavoriteLocation(identity);
        } else {
            QOV_LOG_WARN("Skipping an old saved place without a key or a type");
        }
    }

    const bool imperial = defaults->boolForKey("unitOfMeasureStandard");
    QOVFormattingService::setUom(imperial);
    QOV_LOG_INFO("oldUoM: {}", imperial ? 0 : 1);

    const auto overlay = defaults->integerForKey("preferredOverlay");
    defaults->setInteger(overlay, kMapLayerSelectionKey);
    QOV_LOG_INFO("oldOverlay: {}", overlay);
    const auto transparency = static_cast<float>(defaults->doubleForKey("overlayTransparency"));
    QOVSettingsService::sharedInstance()->setOverlayTransparency(transparency);
    QOV_LOG_INFO("oldTransparency {:2f}", transparency);
    const auto poi = defaults->integerForKey("selectedPOI");
    defaults->setInteger(poi, kMapPOITypeKey);
    QOV_LOG_INFO("oldPOI {}", poi);
}

void LegacyDataUpgrade::upgradePhoneArchives(const std::filesystem::path& documentsDirectory) {
    registerLegacyArchiveClasses();
    if (const auto settings = readArchive<AppSettingsMgr>(documentsDirectory / kAppSettingsArchive);
        settings && settings->tempUnit() == 1) {
        QOVSettingsService::sharedInstance()->setUnitOfMeasureSelection(1);
    }

    const auto archive = readArchive<LocationMgr>(documentsDirectory / kLocationArchive);
    const auto manager = QOVLocationManager::sharedManager();
    const auto locations = archive ? archive->locations() : std::vector<std::shared_ptr<Location>>{};
    QOV_LOG_DEBUG("{} favorites to convert", locations.size());
    if (locations.empty()) {
        manager->addFavoriteLocation(DefaultLocation::identity());
    }
    for (const auto& location : locations) {
        QOV_LOG_DEBUG("converting location: {} ({})", location->description(),
                      location->content().count("locid") ? location->content().at("locid").stringValue() : "");
        if (const auto identity = location->identity()) {
            manager->addFavoriteLocation(identity);
        } else {
            QOV_LOG_WARN("Skipping an old saved place without a key or a type");
        }
    }
    const auto push = archive ? archive->pushLocation() : nullptr;
    if (const auto identity = push ? push->identity() : nullptr) {
        QOV_LOG_DEBUG("adding push location: {}", push->description());
        manager->addPushLocation(identity);
    }
    const auto home = archive ? archive->homeLocation() : nullptr;
    if (const auto identity = home ? home->identity() : nullptr) {
        QOV_LOG_DEBUG("adding home location: {}", home->description());
        manager->addHomeLocation(identity);
        manager->setCurrentLocation(identity);
    }
}

}  // namespace qov
