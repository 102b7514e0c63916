#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/core/model/QOVDataObject.h"

namespace qov {

class QOVMarineForecast;
class QOVTide;

// The marine forecast periods of the nearest forecast station and the tides of one tide station, attached to
// a coastal location. A new forecast has two empty lists; one read from an archive that lacks a list has no
// list at all. Archive keys: "MarineForecastKey", "TidesKey".
class QOVBeachAndBoatForecast : public QOVDataObject {
public:
    using MarineForecastList = std::vector<std::shared_ptr<QOVMarineForecast>>;
    using TideList = std::vector<std::shared_ptr<QOVTide>>;

    QOVBeachAndBoatForecast();

    const std::optional<MarineForecastList>& marineForecastArray() const { return m_marineForecastArray; }
    void setMarineForecastArray(std::optional<MarineForecastList> list) { m_marineForecastArray = std::move(list); }
    const std::optional<TideList>& tideArray() const { return m_tideArray; }
    void setTideArray(std::optional<TideList> list) { m_tideArray = std::move(list); }

    // Both lists are present and neither is empty.
    bool isValid() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::optional<MarineForecastList> m_marineForecastArray;
    std::optional<TideList> m_tideArray;
};

}  // namespace qov
