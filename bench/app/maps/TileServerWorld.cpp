#include "bench/app/maps/TileServerWorld.h"

#include <sys/resource.h>
#include <unistd.h>

#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"

namespace qovbench {

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

TileServerWorld::TileServerWorld()
    : m_home(std::filesystem::temp_directory_path() / ("qov-bench-tiles-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_home);
    platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home));
    m_server.start();
    auto datasource = qov::QOVTileServerDatasource::create();
    datasource->setTileServerHosts(m_server.baseUrl(), m_server.baseUrl());
    cache = qov::QOVMapCache::create(m_home, datasource);
    qov::QOVMapCache::setSharedInstance(cache);
    pumpUntil([this] { return cache->currentTileConfig() != nullptr; });
    series = cache->currentTileConfig()->latestSeriesForLayer("radar");
}

TileServerWorld::~TileServerWorld() {
    qov::QOVMapCache::setSharedInstance(nullptr);
    cache.reset();
    m_server.stop();
    std::filesystem::remove_all(m_home);
}

void TileServerWorld::pumpUntil(const std::function<bool()>& condition) {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (!condition() && Clock::now() < deadline) {
        platform::RunLoop::main().runFor(0.0005);
    }
}

std::string TileServerWorld::tilePath(const std::string& quadKey, const std::string& seriesDate) const {
    return "/TileServer/imgs/radar/" + (seriesDate.empty() ? series->seriesDate() : seriesDate) + "/" + quadKey +
           ".png";
}

std::filesystem::path TileServerWorld::tileFile(const std::string& quadKey) const {
    return m_home / "MapCache" / *qov::QOVMapCache::fileNameForSeries(*series, quadKey);
}

}  // namespace qovbench
