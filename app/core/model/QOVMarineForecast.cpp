#include "app/core/model/QOVMarineForecast.h"

#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/DateOrdering.h"

namespace qov {

std::string QOVMarineForecast::cardinalWindDirection() const {
    struct Band {
        unsigned lowest;
        unsigned highest;
        const char* name;
    };
    static constexpr Band kBands[] = {
        {328, 347, "NNW"}, {303, 327, "NW"},  {283, 302, "WNW"}, {258, 282, "W"},   {238, 257, "WSW"},
        {213, 237, "SW"},  {193, 212, "SSW"}, {168, 192, "S"},   {148, 167, "SSE"}, {123, 147, "SE"},
        {103, 122, "ESE"}, {78, 102, "E"},    {58, 77, "ENE"},   {33, 57, "NE"},    {13, 32, "NNE"},
    };
    // Compared as an unsigned number, so a negative direction falls outside every band.
    const auto degrees = static_cast<unsigned>(m_windDirection);
    for (const auto& band : kBands) {
        if (degrees >= band.lowest && degrees <= band.highest) {
            return band.name;
        }
    }
    return "N";
}

std::weak_ordering QOVMarineForecast::compareForecast(const QOVMarineForecast& other) const {
    return DateOrdering::compare(m_date, other.m_date);
}

void QOVMarineForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeDate(m_date, "DateKey");
    coder.encodeString(m_name, "NameKey");
    coder.encodeInteger(m_seaTemp, "SeaTempKey");
    coder.encodeString(m_seaDescription, "SeaDescKey");
    coder.encodeString(m_waveDescription, "WavesKey");
    coder.encodeString(m_wind, "WindKey");
    coder.encodeInteger(m_windSpeed, "WindSpeedKey");
    coder.encodeInteger(m_windDirection, "WindDirectionKey");
}

void QOVMarineForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_date = coder.decodeDate("DateKey");
    m_name = coder.decodeString("NameKey");
    m_seaTemp = archive::decodeInt32(coder, "SeaTempKey");
    m_seaDescription = coder.decodeString("SeaDescKey");
    m_waveDescription = coder.decodeString("WavesKey");
    m_wind = coder.decodeString("WindKey");
    m_windSpeed = archive::decodeInt32(coder, "WindSpeedKey");
    m_windDirection = archive::decodeInt32(coder, "WindDirectionKey");
}

}  // namespace qov
