#pragma once

#include <vector>

#include "sim/Gazetteer.h"

namespace qovsim {

// The weather between the gazetteer's places at one instant, for the tile server's map layers: temperature and
// feels-like as smooth fields that pass through what the weather answers give for each place (a climate by
// latitude, season and sun time, bent towards the places' own values, most strongly near them), rain and snow
// fallen over the last 24 hours from the moving rain field, and the UV index of the sun's height under the
// clouds. Made once per picture; the const operations may then be called from any thread.
class SurfaceWeather {
public:
    // Samples every city of the gazetteer (postal-code entries repeat a city's place) at the instant.
    SurfaceWeather(const Gazetteer& gazetteer, double time);

    double temperature(double latitude, double longitude) const;  // °F
    double feelsLike(double latitude, double longitude) const;    // °F
    // Liquid fallen over the 24 hours up to the instant at a point of the Mercator world ([0, 1) both ways), in
    // inches, split by the temperature there into rain and snow (ten inches of snow per inch of water). The liquid is
    // what the places' forecasts give there: the rain rate (NoiseField::rainRate) of each quarter hour.
    double rainfall(double u, double v) const;
    double snowfall(double u, double v) const;
    // 0 at night, about 12 under a clear overhead sun.
    double uvIndex(double u, double v) const;

    // The temperature a place's latitude, the season and the sun time give before its own weather.
    static double climateTemperature(double latitude, double longitude, double time);

private:
    struct Sample {
        double latitude;
        double longitude;
        double temperatureOffset;  // the place's temperature above its climate
        double feelsLikeOffset;    // its feels-like above its climate
    };

    double offsetAt(double latitude, double longitude, double Sample::*offset) const;
    double liquidFallen(double u, double v) const;
    double snowShare(double u, double v) const;

    double m_time;
    std::vector<Sample> m_samples;
};

}  // namespace qovsim
