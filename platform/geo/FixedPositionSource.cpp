#include "platform/geo/FixedPositionSource.h"

#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace platform::geo {

namespace {

// The number under key, or nullopt when it is absent or not a number.
std::optional<double> numberForKey(const Dictionary& dictionary, std::string_view key) {
    const Value* value = valueForKey(dictionary, key);
    if (value == nullptr) {
        return std::nullopt;
    }
    if (const auto* number = value->ifDouble()) {
        return *number;
    }
    if (const auto* number = value->ifInteger()) {
        return static_cast<double>(*number);
    }
    return std::nullopt;
}

}  // namespace

FixedPositionSource::FixedPositionSource(std::shared_ptr<UserDefaults> defaults) : m_defaults(std::move(defaults)) {}

bool FixedPositionSource::setCoordinate(std::optional<Coordinate> coordinate) {
    if (coordinate && !coordinate->isValid()) {
        QOV_LOG_WARN("refused the invalid fixed position {}, {}", coordinate->latitude, coordinate->longitude);
        return false;
    }
    m_coordinate = coordinate;
    if (isActive()) {
        answer();
    }
    return true;
}

std::optional<Coordinate> FixedPositionSource::coordinate() const {
    return m_coordinate ? m_coordinate : coordinateFromDefaults();
}

void FixedPositionSource::answer() {
    if (const auto current = coordinate()) {
        deliverFix(std::make_shared<PositionFix>(*current, kHorizontalAccuracy, Clock::shared()->now()));
    } else {
        deliverError(PositionError::locationUnknown());
    }
}

std::optional<Coordinate> FixedPositionSource::coordinateFromDefaults() const {
    const auto defaults = m_defaults ? m_defaults : UserDefaults::standard();
    const Value setting = defaults->objectForKey(kCoordinateDefaultsKey);
    if (setting.isNull()) {
        return std::nullopt;
    }
    const Dictionary* dictionary = setting.ifDictionary();
    const auto latitude = dictionary ? numberForKey(*dictionary, "latitude") : std::nullopt;
    const auto longitude = dictionary ? numberForKey(*dictionary, "longitude") : std::nullopt;
    if (!latitude || !longitude || !Coordinate{*latitude, *longitude}.isValid()) {
        QOV_LOG_WARN("the user default {} holds no valid coordinate; the position is unknown", kCoordinateDefaultsKey);
        return std::nullopt;
    }
    return Coordinate{*latitude, *longitude};
}

}  // namespace platform::geo
