#include "sim/Gazetteer.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <numbers>
#include <sstream>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qovsim {

namespace {

constexpr std::size_t kColumnCount = 16;

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

std::optional<double> parseNumber(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<Place> placeFromFields(const std::vector<std::string>& f) {
    if (f.size() != kColumnCount) {
        return std::nullopt;
    }
    auto type = parseNumber(f[1]);
    auto latitude = parseNumber(f[11]);
    auto longitude = parseNumber(f[12]);
    auto elevation = parseNumber(f[13]);
    if (!type || !latitude || !longitude || !elevation || f[0].empty() ||
        (*type != Place::kCityType && *type != Place::kPostalCodeType) || std::abs(*latitude) > 90.0 ||
        std::abs(*longitude) > 180.0 || (f[15] != "0" && f[15] != "1")) {
        return std::nullopt;
    }
    Place place;
    place.key = f[0];
    place.type = static_cast<int>(*type);
    place.name = f[2];
    place.city = f[3];
    place.state = f[4];
    place.postalCode = f[5];
    place.country = f[6];
    place.countryCode = f[7];
    place.dma = f[8];
    place.region4 = f[9];
    place.region9 = f[10];
    place.latitude = *latitude;
    place.longitude = *longitude;
    place.elevation = *elevation;
    place.timeZone = f[14];
    place.coastal = f[15] == "1";
    return place;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Central angle between two coordinates (haversine); enough to order distances.
double angularDistance(double lat1, double lon1, double lat2, double lon2) {
    double dLat = radians(lat2 - lat1);
    double dLon = radians(lon2 - lon1);
    double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
               std::cos(radians(lat1)) * std::cos(radians(lat2)) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2.0 * std::atan2(std::sqrt(a), std::sqrt(1.0 - a));
}

}  // namespace

Gazetteer::Gazetteer(std::vector<Place> places) : m_places(std::move(places)) {}

std::filesystem::path Gazetteer::defaultDataDirectory() {
    if (const char* overridden = std::getenv("QOV_SIM_DATA_DIR"); overridden != nullptr && *overridden != '\0') {
        return overridden;
    }
    return QOV_SIM_DATA_DIR;
}

Gazetteer Gazetteer::load(const std::filesystem::path& dataDirectory) {
    std::filesystem::path file = dataDirectory / "places.tsv";
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        QOV_LOG_ERROR("Cannot read the gazetteer {}", file.string());
        return {};
    }
    std::stringstream text;
    text << in.rdbuf();
    return parse(text.str());
}

Gazetteer Gazetteer::parse(std::string_view text) {
    std::vector<Place> places;
    bool headerSeen = false;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        if (auto place = placeFromFields(splitTabs(line))) {
            places.push_back(std::move(*place));
        } else {
            QOV_LOG_WARN("Skipping malformed gazetteer line {}", lineNumber);
        }
    }
    return Gazetteer(std::move(places));
}

const Place* Gazetteer::findByKey(std::string_view key, int type) const {
    for (const Place& place : m_places) {
        if (place.key == key && (type == 0 || place.type == type)) {
            return &place;
        }
    }
    return nullptr;
}

const Place* Gazetteer::findByIdentifier(std::string_view identifier) const {
    const auto colon = identifier.rfind(':');
    if (colon == std::string_view::npos || colon == 0) {
        return nullptr;
    }
    const std::string_view typeText = identifier.substr(colon + 1);
    int type = 0;
    const auto [end, error] = std::from_chars(typeText.data(), typeText.data() + typeText.size(), type);
    if (error != std::errc() || end != typeText.data() + typeText.size() || type == 0) {
        return nullptr;
    }
    return findByKey(identifier.substr(0, colon), type);
}

std::vector<const Place*> Gazetteer::search(std::string_view prefix, std::size_t maxResults) const {
    std::vector<const Place*> found;
    if (prefix.empty()) {
        return found;
    }
    for (const Place& place : m_places) {
        if (found.size() >= maxResults) {
            break;
        }
        const bool matches = place.isPostalCode() ? startsWithIgnoringCase(place.postalCode, prefix)
                                                  : startsWithIgnoringCase(place.name, prefix) ||
                                                        startsWithIgnoringCase(place.city, prefix);
        if (matches) {
            found.push_back(&place);
        }
    }
    return found;
}

const Place* Gazetteer::nearest(double latitude, double longitude, int type) const {
    const Place* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const Place& place : m_places) {
        if (type != 0 && place.type != type) {
            continue;
        }
        double distance = angularDistance(latitude, longitude, place.latitude, place.longitude);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = &place;
        }
    }
    return best;
}

}  // namespace qovsim
