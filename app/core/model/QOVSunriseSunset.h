#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"
#include "platform/base/Date.h"

namespace qov {

// One day's sunrise and sunset. Archive keys: "sunriseKey", "sunriseSunrise", "sunriseSunset".
class QOVSunriseSunset : public QOVDataObject {
public:
    const std::string& key() const { return m_key; }
    void setKey(std::string key) { m_key = std::move(key); }
    const std::optional<platform::Date>& sunrise() const { return m_sunrise; }
    void setSunrise(std::optional<platform::Date> sunrise) { m_sunrise = std::move(sunrise); }
    const std::optional<platform::Date>& sunset() const { return m_sunset; }
    void setSunset(std::optional<platform::Date> sunset) { m_sunset = std::move(sunset); }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_key;
    std::optional<platform::Date> m_sunrise;
    std::optional<platform::Date> m_sunset;
};

}  // namespace qov
