#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/maps/cache/QOVMapCache.h"
#include "sim/SimServer.h"

namespace qovbench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The process's peak resident size so far, in megabytes.
double peakResidentMegabytes();

// The stand-in service on a loopback port, a map tile cache in a temporary home aimed at it (also the process's
// map cache) and the newest radar series. Main thread only.
class TileServerWorld {
public:
    TileServerWorld();
    ~TileServerWorld();
    TileServerWorld(const TileServerWorld&) = delete;
    TileServerWorld& operator=(const TileServerWorld&) = delete;

    // Runs the main loop until the condition holds or 30 s have passed.
    static void pumpUntil(const std::function<bool()>& condition);
    // The path of a tile image of a radar series (the newest unless given).
    std::string tilePath(const std::string& quadKey, const std::string& seriesDate = {}) const;
    int port() const { return m_server.port(); }
    std::filesystem::path tileFile(const std::string& quadKey) const;

    std::shared_ptr<qov::QOVMapCache> cache;
    std::shared_ptr<qov::QOVMapSeries> series;

private:
    std::filesystem::path m_home;
    qovsim::SimServer m_server;
};

}  // namespace qovbench
