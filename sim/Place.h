#pragma once

#include <string>

namespace qovsim {

// One place of the stand-in service's gazetteer, with the fields the location answers carry.
struct Place {
    static constexpr int kCityType = 1;
    static constexpr int kPostalCodeType = 4;

    std::string key;   // "USGA0028" for a city, "30303" for a US postal code
    int type = 0;      // 1: city key, 4: US postal code
    std::string name;  // display name, e.g. "Atlanta, GA"
    std::string city;
    std::string state;
    std::string postalCode;
    std::string country;
    std::string countryCode;  // ISO 3166 alpha-2
    std::string dma;          // market-area code (US only)
    std::string region4;      // region code of the four-region scheme (US only)
    std::string region9;      // region code of the nine-region scheme (US only)
    double latitude = 0.0;
    double longitude = 0.0;
    double elevation = 0.0;  // metres
    std::string timeZone;    // IANA name
    bool coastal = false;    // coastal places have marine forecasts and tides

    bool isPostalCode() const { return type == kPostalCodeType; }
    // "KEY:TYPE", the identifier under which the service files a place.
    std::string identifier() const { return key + ":" + std::to_string(type); }
};

}  // namespace qovsim
