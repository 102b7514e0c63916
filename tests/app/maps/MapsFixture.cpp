#include "tests/app/maps/MapsFixture.h"

#include "app/maps/model/MapModelClasses.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"
#include "platform/net/Reachability.h"
#include "sim/TileSchedule.h"
#include "tests/support/PumpUntil.h"

namespace qovtest {

namespace {

constexpr double kStartTime = 1'800'000'000.0;  // 2027-01-15 08:00 UTC

}  // namespace

MapsFixture::MapsFixture() : m_clock(std::make_shared<platform::ManualClock>(platform::Date{kStartTime})) {
    platform::RunLoop::resetMain(m_clock);
    platform::NotificationCenter::resetDefaultCenter();
    qov::registerMapModelClasses();
}

MapsFixture::~MapsFixture() {
    m_datasource.reset();
    platform::net::Reachability::reset();
    platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    platform::NotificationCenter::resetDefaultCenter();
}

void MapsFixture::SetUp() {
    SimFixture::SetUp();
    m_datasource = qov::QOVTileServerDatasource::create();
    m_datasource->setTileServerHosts(simUrl(), simUrl());
}

qovsim::SimServer::Options MapsFixture::simOptions() const {
    qovsim::SimServer::Options options;
    options.clock = m_clock;
    return options;
}

bool MapsFixture::settleSeriesList() const {
    const bool ended = pumpUntil([this] { return m_datasource->operationQueue().operationCount() == 0; });
    loop().runUntilIdle();
    return ended;
}

std::size_t MapsFixture::requestCount(const std::string& pattern) {
    std::size_t count = 0;
    for (const auto& request : sim().requestLog()) {
        count += qovsim::globMatches(pattern, request.path) ? 1 : 0;
    }
    return count;
}

std::string MapsFixture::newestDate(const std::string& layer) {
    for (const auto& listed : qovsim::TileSchedule::layersAt(kStartTime)) {
        if (listed.type == layer) {
            return listed.series.front().date;
        }
    }
    return {};
}

}  // namespace qovtest
