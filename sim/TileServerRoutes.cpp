#include "sim/TileServerRoutes.h"

#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

#include <fmt/format.h>

#include "sim/LegacySeriesList.h"
#include "sim/TileImagery.h"
#include "sim/TileSchedule.h"

namespace qovsim {

namespace {

std::string millisecondsText(double time) { return fmt::format("{}", static_cast<long long>(std::floor(time)) * 1000); }

std::string seriesList(double now) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tiles localZone=\"EST\" offset=\"0\">\n<seriesinfo>\n";
    for (const TileSchedule::Layer& layer : TileSchedule::layersAt(now)) {
        xml += fmt::format("<{} maxZoom=\"{}\" native=\"{}\" nativeZoom=\"{}\">\n", layer.type, layer.maxZoom,
                           layer.native, layer.nativeZoom);
        for (const TileSchedule::Series& series : layer.series) {
            xml += fmt::format("<series date=\"{}\" unixDate=\"{}\"", series.date, millisecondsText(series.time));
            if (series.frames.empty()) {
                xml += "/>\n";
                continue;
            }
            xml += ">\n";
            for (const TileSchedule::Frame& frame : series.frames) {
                xml += fmt::format("<ff date=\"{}\" unixDate=\"{}\" isPast=\"{}\"/>\n", frame.date,
                                   millisecondsText(frame.time), frame.isPast ? "true" : "false");
            }
            xml += "</series>\n";
        }
        xml += fmt::format("</{}>\n", layer.type);
    }
    xml += "</seriesinfo>\n</tiles>\n";
    return xml;
}

SimResponse notFound() { return SimResponse::text("no such tile", 404); }

// The most recently drawn tiles, so that loading the same frames again costs the server no drawing.
class DrawnTiles {
public:
    static constexpr std::size_t kCapacity = 256;

    std::string png(TileSchedule::Imagery imagery, const TileAddress& address, double time, const Gazetteer& places) {
        const std::string key =
            fmt::format("{}/{}/{}/{}/{}", static_cast<int>(imagery), address.level, address.x, address.y, time);
        {
            std::lock_guard lock(m_mutex);
            if (const auto found = m_tiles.find(key); found != m_tiles.end()) {
                return found->second;
            }
        }
        std::string drawn = TileImagery::png(imagery, address, time, places);
        std::lock_guard lock(m_mutex);
        if (m_tiles.emplace(key, drawn).second) {
            m_order.push_back(key);
            if (m_order.size() > kCapacity) {
                m_tiles.erase(m_order.front());
                m_order.pop_front();
            }
        }
        return drawn;
    }

private:
    std::mutex m_mutex;
    std::map<std::string, std::string> m_tiles;
    std::deque<std::string> m_order;
};

SimResponse tile(DrawnTiles& drawn, const Gazetteer& places, const std::string& layer, const std::string& date,
                 const std::string& quadKey) {
    const auto imagery = TileSchedule::imageryOf(layer);
    const auto time = TileSchedule::timeOfRequestDate(date);
    const auto address = TileAddress::fromQuadKey(quadKey);
    if (!imagery || !time || !address) {
        return notFound();
    }
    return SimResponse{200, "image/png", drawn.png(*imagery, *address, *time, places)};
}

}  // namespace

void addTileServerRoutes(Router& router, const SimEnvironment& environment) {
    router.get("/TileServer/serieslist\\.do", [&environment](const SimRequest& request) {
        const double now = environment.now().secondsSince1970;
        // The older tile map asks for a number of series and reads the older form of the list.
        if (request.query.contains("count")) {
            const std::string count = request.queryValue("count");
            const bool usable =
                !count.empty() && count.size() <= 4 && count.find_first_not_of("0123456789") == std::string::npos;
            const int series = usable ? std::stoi(count) : -1;
            return SimResponse{200, "text/xml", legacySeriesList(now, series)};
        }
        return SimResponse{200, "text/xml", seriesList(now)};
    });
    auto drawn = std::make_shared<DrawnTiles>();
    // The level-0 tile, the whole world, has the empty quadkey.
    router.get("/TileServer/imgs/([^/]+)/([^/]+)/([^/]*)\\.png", [drawn, &environment](const SimRequest& request) {
        return tile(*drawn, environment.gazetteer(), request.captures[0], request.captures[1], request.captures[2]);
    });
    router.get(
        "/TileServer/ff/([^/]+)/([^/]+)/([^/]+)/([^/]*)\\.png", [drawn, &environment](const SimRequest& request) {
            if (!TileSchedule::timeOfRequestDate(request.captures[1])) {
                return notFound();
            }
            return tile(*drawn, environment.gazetteer(), request.captures[0], request.captures[2], request.captures[3]);
        });
}

}  // namespace qovsim
