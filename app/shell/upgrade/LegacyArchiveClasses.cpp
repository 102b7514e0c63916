#include "app/shell/upgrade/LegacyArchiveClasses.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/NumberText.h"
#include "platform/storage/KeyedArchiver.h"

namespace qov {

std::shared_ptr<QOVLocationIdentity> legacyLocationIdentity(const platform::Dictionary& values,
                                                            const std::string& keyName, const std::string& typeName) {
    const auto key = values.find(keyName);
    const auto type = values.find(typeName);
    if (key == values.end() || type == values.end()) {
        return nullptr;
    }
    const auto* keyText = key->second.ifString();
    if (!keyText || keyText->empty()) {
        return nullptr;
    }
    const auto* typeText = type->second.ifString();
    const auto typeValue =
        typeText ? platform::integerFromText(*typeText) : static_cast<std::int32_t>(type->second.integerValue());
    return std::make_shared<QOVLocationIdentity>(typeValue, *keyText);
}

std::shared_ptr<QOVLocationIdentity> Location::identity() const {
    return legacyLocationIdentity(m_dctContent, "locid", "idtype");
}

std::string Location::description() const {
    const auto desc = m_dctContent.find("desc");
    return desc == m_dctContent.end() ? std::string() : desc->second.stringValue();
}

void registerLegacyArchiveClasses() {
    if (platform::ArchiveRegistry::isRegistered("LocationMgr")) {
        return;
    }
    platform::ArchiveRegistry::registerClass("Location", [](const platform::KeyedUnarchiver& coder) {
        const auto values = coder.decodeValue("valuesDict");
        const auto* content = values.ifDictionary();
        return std::make_shared<Location>(content ? *content : platform::Dictionary{});
    });
    platform::ArchiveRegistry::registerClass("AppSettingsMgr", [](const platform::KeyedUnarchiver& coder) {
        const auto units = coder.decodeValue("tempUnits");
        const bool isNumber = units.ifInteger() || units.ifDouble() || units.ifBool();
        return std::make_shared<AppSettingsMgr>(isNumber ? std::optional(units.integerValue()) : std::nullopt);
    });
    platform::ArchiveRegistry::registerClass("LocationMgr", [](const platform::KeyedUnarchiver& coder) {
        return std::make_shared<LocationMgr>(coder.decodeArrayOfClass<Location>("locList"),
                                             coder.decodeObjectOfClass<Location>("homeLoc"),
                                             coder.decodeObjectOfClass<Location>("pushLoc"));
    });
}

}  // namespace qov
