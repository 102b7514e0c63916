#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/base/Value.h"

namespace qov {

class QOVLocationIdentity;

// The classes that older phone releases kept in keyed archives in the Documents folder. They exist only to be
// read by the legacy data upgrade: decoding is all they do, and it starts nothing (no location services).
// Any thread; plain values once decoded.

// One saved place of an older release: its values under "valuesDict".
class Location : public platform::Object {
public:
    explicit Location(platform::Dictionary content) : m_dctContent(std::move(content)) {}
    std::string className() const override { return "Location"; }

    const platform::Dictionary& content() const { return m_dctContent; }
    // The identity of "locid" and "idtype" (a number or a text read for its integer), or nullptr when either is
    // missing.
    std::shared_ptr<QOVLocationIdentity> identity() const;
    // "desc", for logging.
    std::string description() const;

private:
    platform::Dictionary m_dctContent;
};

// The settings of an older release: only the unit system is carried over.
class AppSettingsMgr : public platform::Object {
public:
    explicit AppSettingsMgr(std::optional<std::int64_t> tempUnit) : m_tempUnit(tempUnit) {}
    std::string className() const override { return "AppSettingsMgr"; }

    // "tempUnits": 1 means metric; nullopt when the archive held none.
    std::optional<std::int64_t> tempUnit() const { return m_tempUnit; }

private:
    std::optional<std::int64_t> m_tempUnit;
};

// The saved places of an older release.
class LocationMgr : public platform::Object {
public:
    LocationMgr(std::vector<std::shared_ptr<Location>> locations, std::shared_ptr<Location> homeLocation,
                std::shared_ptr<Location> pushLocation)
        : m_aryLocations(std::move(locations)),
          m_homeLocation(std::move(homeLocation)),
          m_pushLocation(std::move(pushLocation)) {}
    std::string className() const override { return "LocationMgr"; }

    // "locList", the favourites in order.
    const std::vector<std::shared_ptr<Location>>& locations() const { return m_aryLocations; }
    // "homeLoc" and "pushLoc", or nullptr.
    const std::shared_ptr<Location>& homeLocation() const { return m_homeLocation; }
    const std::shared_ptr<Location>& pushLocation() const { return m_pushLocation; }

private:
    std::vector<std::shared_ptr<Location>> m_aryLocations;
    std::shared_ptr<Location> m_homeLocation;
    std::shared_ptr<Location> m_pushLocation;
};

// The identity made of an old place's values: key under keyName (a text) and type under typeName (a number, or a
// text read for its integer); nullptr when either is missing or the key is empty.
std::shared_ptr<QOVLocationIdentity> legacyLocationIdentity(const platform::Dictionary& values,
                                                            const std::string& keyName, const std::string& typeName);

// Registers the three classes with the archive registry; idempotent.
void registerLegacyArchiveClasses();

}  // namespace qov
