#include "sim/LegacySeriesList.h"

#include <cmath>

#include <fmt/format.h>

#include "sim/TileSchedule.h"

namespace qovsim {

namespace {

std::string milliseconds(double time) { return fmt::format("{}", static_cast<long long>(std::floor(time)) * 1000); }

void appendLayer(std::string& xml, const TileSchedule::Layer& layer, int count) {
    xml += fmt::format("<{} maxZoom=\"{}\" native=\"{}\" nativeZoom=\"{}\">\n", layer.type, layer.maxZoom, layer.native,
                       layer.nativeZoom);
    int listed = 0;
    for (const TileSchedule::Series& series : layer.series) {
        if (count >= 0 && listed++ == count) {
            break;
        }
        xml += fmt::format("<series date=\"{}\" unixDate=\"{}\">\n", series.date, milliseconds(series.time));
        for (const TileSchedule::Frame& frame : series.frames) {
            xml += fmt::format("<ff date=\"{}\" unixDate=\"{}\" offset=\"{}\" isPast=\"{}\"/>\n", frame.date,
                               milliseconds(frame.time), std::lround((frame.time - series.time) / 60.0),
                               frame.isPast ? "true" : "false");
        }
        xml += "</series>\n";
    }
    xml += fmt::format("</{}>\n", layer.type);
}

}  // namespace

std::string legacySeriesList(double now, int count) {
    std::string xml = fmt::format(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tiles timestamp=\"{}\" localZone=\"EST\" offset=\"0\">\n"
        "<seriesInfo>\n",
        TileSchedule::dateText(now));
    for (const TileSchedule::Layer& layer : TileSchedule::layersAt(now)) {
        appendLayer(xml, layer, count);
    }
    xml += "</seriesInfo>\n</tiles>\n";
    return xml;
}

}  // namespace qovsim
