#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qovsim {

// What the tile server has to offer at a moment: its layers, each with its series newest first, and for the
// forecast layers the frames of each forecast run. Everything follows from "now", so the series list moves
// on with the clock and a manual clock gives the same list every time.
//
// Series dates are UTC times written "yyyyMMddHHmm" (the text tile URLs carry); unix dates are milliseconds.
class TileSchedule {
public:
    // How a layer's tiles look.
    enum class Imagery {
        Radar,
        EuropeanRadar,
        Clouds,
        CloudsAndRadar,
        Temperature,
        FeelsLike,
        Rainfall,
        Snowfall,
        UVIndex
    };

    struct Frame {
        std::string date;
        double time = 0.0;  // seconds since 1970
        bool isPast = false;
    };
    struct Series {
        std::string date;
        double time = 0.0;
        // Forecast layers only: the run's frames, latest first, so that a player going from the last frame to the
        // first (as the maps' loops do) runs forward in time.
        std::vector<Frame> frames;
    };
    struct Layer {
        std::string type;
        Imagery imagery = Imagery::Radar;
        int maxZoom = 0;
        int native = 0;
        int nativeZoom = 0;
        std::vector<Series> series;
    };

    // The layers at now (seconds since 1970), in the order the series list names them.
    static std::vector<Layer> layersAt(double now);
    // The imagery of a layer type the server knows, whatever the time.
    static std::optional<Imagery> imageryOf(std::string_view layerType);

    static std::string dateText(double time);
    // The time of a series date: exactly twelve digits naming a real UTC minute; nullopt otherwise.
    static std::optional<double> timeOfDate(std::string_view date);
    // The time of a date in a tile path: a series date, or "u" and the milliseconds of a whole minute since 1970
    // (at most 15 digits); nullopt otherwise.
    static std::optional<double> timeOfRequestDate(std::string_view date);
};

}  // namespace qovsim
