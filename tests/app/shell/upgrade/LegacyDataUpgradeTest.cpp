#include "app/shell/upgrade/LegacyDataUpgrade.h"

#include <fstream>

#include <gtest/gtest.h>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/shell/services/QOVFormattingService.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/KeyedArchiver.h"
#include "tests/app/shell/services/FormattingFixture.h"

namespace {

using platform::Dictionary;
using platform::Value;
using qov::LegacyDataUpgrade;

// Writes an older release's archive: an object of any class name with the given values.
class ArchivedRecord : public platform::Archivable {
public:
    ArchivedRecord(std::string name, Dictionary values) : m_name(std::move(name)), m_values(std::move(values)) {}
    std::string className() const override { return m_name; }
    void encodeWithCoder(platform::KeyedArchiver& coder) const override {
        for (const auto& [key, value] : m_values) {
            coder.encodeValue(value, key);
        }
    }

private:
    std::string m_name;
    Dictionary m_values;
};

Value place(Dictionary values) {
    return Value(std::make_shared<ArchivedRecord>("Location", Dictionary{{"valuesDict", Value(std::move(values))}}));
}

std::vector<std::string> identifiers(const std::vector<std::shared_ptr<qov::QOVLocationIdentity>>& locations) {
    std::vector<std::string> names;
    for (const auto& location : locations) {
        names.push_back(location->identifierAsString());
    }
    return names;
}

class LegacyDataUpgradeTest : public qovtest::FormattingFixture {
protected:
    LegacyDataUpgradeTest() { qov::QOVLocationManager::resetSharedManager(); }
    ~LegacyDataUpgradeTest() override { qov::QOVLocationManager::resetSharedManager(); }

    static std::filesystem::path documents() { return platform::AppDirectories::shared()->documentsDirectory(); }
    static void writeArchive(const char* file, const std::string& className, Dictionary values) {
        std::filesystem::create_directories(documents());
        ASSERT_TRUE(platform::KeyedArchiver::archiveRootObject(ArchivedRecord(className, std::move(values)),
                                                               documents() / file));
    }
    static void upgrade(const std::optional<std::string>& lastVersion, const char* identifier = "com.qovara.Qovara") {
        LegacyDataUpgrade::run({identifier, "3.0.1"}, lastVersion, documents());
    }
    static std::shared_ptr<qov::QOVLocationManager> manager() { return qov::QOVLocationManager::sharedManager(); }
    static std::vector<std::string> favourites() { return identifiers(manager()->favoriteLocations()); }
    static std::string lastVersionRan() { return platform::UserDefaults::standard()->stringForKey("lastVersionRan"); }
};

TEST_F(LegacyDataUpgradeTest, PhoneArchivesBringFavouritesHomeAndUnits) {
    writeArchive(LegacyDataUpgrade::kAppSettingsArchive, "AppSettingsMgr", {{"tempUnits", Value(1)}});
    writeArchive(LegacyDataUpgrade::kLocationArchive, "LocationMgr",
                 {{"locList", Value(platform::Array{place({{"locid", Value("GBXX0025")}, {"idtype", Value("1")}}),
                                                    place({{"desc", Value("no key")}, {"idtype", Value(1)}}),
                                                    place({{"locid", Value("30339")}, {"idtype", Value(4)}}),
                                                    place({{"locid", Value("FRXX0076")}})})},
                  {"homeLoc", place({{"locid", Value("30339")}, {"idtype", Value(4)}})}});
    upgrade("3.2.1");
    EXPECT_EQ(favourites(), (std::vector<std::string>{"GBXX0025:1", "30339:4"}));
    EXPECT_EQ(manager()->homeLocation()->identifierAsString(), "30339:4");
    EXPECT_EQ(manager()->currentLocation()->identifierAsString(), "30339:4");
    EXPECT_TRUE(manager()->pushLocations().empty());
    EXPECT_EQ(qov::QOVSettingsService::sharedInstance()->unitOfMeasureSelection(), 1U);
    EXPECT_EQ(lastVersionRan(), "3.0.1");
}

TEST_F(LegacyDataUpgradeTest, MissingDamagedOrForeignArchivesOrNoStoredVersionCarryNothingOver) {
    struct Case {
        const char* name;
        std::optional<std::string> lastVersion;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"none", "3.1", [] {}},
        {"damaged", "3.1",
         [] {
             std::filesystem::create_directories(documents());
             std::ofstream(documents() / LegacyDataUpgrade::kLocationArchive) << "bplist00\x01garbage";
             std::ofstream(documents() / LegacyDataUpgrade::kAppSettingsArchive) << "";
         }},
        {"foreign root", "3.1",
         [] {
             writeArchive(LegacyDataUpgrade::kLocationArchive, "AppSettingsMgr", {{"tempUnits", Value(1)}});
             writeArchive(LegacyDataUpgrade::kAppSettingsArchive, "LocationMgr", {});
         }},
        {"no stored version", std::nullopt,
         [] {
             platform::UserDefaults::standard()->setObject(
                 platform::Array{Value(Dictionary{{"key", Value("GBXX0025")}, {"type", Value(1)}})}, "locationList");
             writeArchive(LegacyDataUpgrade::kAppSettingsArchive, "AppSettingsMgr", {{"tempUnits", Value(1)}});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        qov::QOVLocationManager::resetSharedManager();
        std::filesystem::remove_all(documents());
        platform::UserDefaults::standard()->removeObjectForKey("lastVersionRan");
        c.prepare();
        upgrade(c.lastVersion);
        upgrade(c.lastVersion, "com.qovara.QovaraiPad");
        EXPECT_EQ(favourites(), std::vector<std::string>{"USGA0028:1"});
        EXPECT_EQ(manager()->currentLocation()->identifierAsString(), "USGA0028:1");
        EXPECT_EQ(qov::QOVSettingsService::sharedInstance()->unitOfMeasureSelection(), 2U);
        EXPECT_EQ(lastVersionRan(), "3.0.1");
    }
}

TEST_F(LegacyDataUpgradeTest, PadDefaultsBringPlacesUnitsAndMapChoices) {
    const auto defaults = platform::UserDefaults::standard();
    defaults->setObject(platform::Array{Value(Dictionary{{"key", Value("GBXX0025")}, {"type", Value("1")}}),
                                        Value(Dictionary{{"type", Value(1)}}), Value("not a place"),
                                        Value(Dictionary{{"key", Value("30339")}, {"type", Value(4)}})},
                        "locationList");
    defaults->setBool(true, "unitOfMeasureStandard");
    defaults->setInteger(3, "preferredOverlay");
    defaults->setDouble(0.5, "overlayTransparency");
    defaults->setInteger(2, "selectedPOI");
    upgrade("2.4", "com.qovara.QovaraiPad");
    EXPECT_EQ(favourites(), (std::vector<std::string>{"GBXX0025:1", "30339:4"}));
    EXPECT_TRUE(qov::QOVFormattingService::currentUom()) << "YES means imperial";
    EXPECT_EQ(defaults->integerForKey(LegacyDataUpgrade::kMapLayerSelectionKey), 3);
    EXPECT_EQ(defaults->integerForKey(LegacyDataUpgrade::kMapPOITypeKey), 2);
    const auto settings = qov::QOVSettingsService::sharedInstance();
    EXPECT_FLOAT_EQ(settings->overlayTransparency(), 0.5F);
    EXPECT_TRUE(settings->globeIsHidden());
    EXPECT_EQ(manager()->currentLocation()->identifierAsString(), "USGA0028:1");
}

}  // namespace
