#pragma once

#include <optional>
#include <string>

#include "app/core/model/QOVLocationIdentity.h"

namespace qov {

// One result of a type-ahead location search: an identity with the place fields needed to show it. It ages
// from its creation (kept through archives) by the same rule as the full location record. Archive keys: the
// identity's, then "name", "creationDate", "nickName", "city", "state", "postalCode", "country",
// "countryCode"; bigCity is not archived.
class QOVTypeAheadLocation : public QOVLocationIdentity {
public:
    // creationDate is now.
    QOVTypeAheadLocation();

    const std::optional<platform::Date>& creationDate() const { return m_creationDate; }
    bool bigCity() const { return m_bigCity; }
    void setBigCity(bool bigCity) { m_bigCity = bigCity; }
    const std::optional<std::string>& nickName() const { return m_nickName; }
    void setNickName(std::optional<std::string> nickName) { m_nickName = std::move(nickName); }
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    const std::string& city() const { return m_city; }
    void setCity(std::string city) { m_city = std::move(city); }
    const std::string& state() const { return m_state; }
    void setState(std::string state) { m_state = std::move(state); }
    const std::string& postalCode() const { return m_postalCode; }
    void setPostalCode(std::string postalCode) { m_postalCode = std::move(postalCode); }
    const std::string& country() const { return m_country; }
    void setCountry(std::string country) { m_country = std::move(country); }
    const std::string& countryCode() const { return m_countryCode; }
    void setCountryCode(std::string countryCode) { m_countryCode = std::move(countryCode); }

    double age() const;
    bool isStale() const;
    bool isInvalid() const;
    float confidence() const;
    // The nickname when set; in the US "place, state"; elsewhere the place followed by the state and country
    // that are present. The place is the city, or the name when the city is empty.
    std::string displayName() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::optional<platform::Date> m_creationDate;
    bool m_bigCity = false;
    std::optional<std::string> m_nickName;
    std::string m_name;
    std::string m_city;
    std::string m_state;
    std::string m_postalCode;
    std::string m_country;
    std::string m_countryCode;
};

}  // namespace qov
