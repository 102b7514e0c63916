#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qov {

// Carries the saved places and a few settings of older releases into the current stores, once, on the first
// launch after an upgrade: the pad build's 2.x user defaults ("locationList", "unitOfMeasureStandard",
// "preferredOverlay", "overlayTransparency", "selectedPOI") and the phone build's 3.x archives in the Documents
// folder ("qovAppSettings.karch", "qovLocMgr.karch"). An archive that is missing, damaged or of another class
// counts as missing (logged); entries without a key or a type are skipped. Afterwards the default location is
// current when none is, and "lastVersionRan" holds the bundle's short version, so the upgrade runs once even
// when the old data could not be read.
//
// Main thread: it writes the location manager, the settings service, the formatting service and the user
// defaults.
class LegacyDataUpgrade {
public:
    struct Bundle {
        std::string identifier;  // "CFBundleIdentifier": a pad build's holds "iPad"
        std::string version;     // "CFBundleShortVersionString"
    };

    static constexpr const char* kAppSettingsArchive = "qovAppSettings.karch";
    static constexpr const char* kLocationArchive = "qovLocMgr.karch";
    static constexpr const char* kMapLayerSelectionKey = "QOVUserSettingMapLayerSelectionType";
    static constexpr const char* kMapPOITypeKey = "QOVUserSettingMapPOIType";

    // lastVersion: the "lastVersionRan" stored before this launch, if any.
    static void run(const Bundle& bundle, const std::optional<std::string>& lastVersion,
                    const std::filesystem::path& documentsDirectory);

private:
    static void upgradePadDefaults();
    static void upgradePhoneArchives(const std::filesystem::path& documentsDirectory);
};

}  // namespace qov
