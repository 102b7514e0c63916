#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/datasource/QOVTileServerDatasource.h"
#include "platform/base/RunLoop.h"
#include "sim/Fault.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace qovtest {

// Maps code against the stand-in tile server over loopback: a fresh main loop on the given clock (manual
// unless a test wants real time), a temporary caches folder and a tile-server client aimed at the stand-in.
// The network is reachable again after each test.
class MapsFixture : public SimFixture {
protected:
    struct Receiver : qov::MapTileReceiver {
        std::vector<std::shared_ptr<qov::QOVMapTileData>> tiles;
        void mapTileReceived(const std::shared_ptr<qov::QOVMapTileData>& tile) override { tiles.push_back(tile); }
    };

    MapsFixture();
    ~MapsFixture() override;
    void SetUp() override;

    qovsim::SimServer::Options simOptions() const override;
    platform::ManualClock& clock() { return *m_clock; }
    platform::RunLoop& loop() const { return platform::RunLoop::main(); }
    // Moves the clock forward, firing due timers and running posted work.
    void advance(double seconds) const { loop().advance(seconds); }
    const std::filesystem::path& home() const { return m_home.path(); }
    const std::shared_ptr<qov::QOVTileServerDatasource>& datasource() const { return m_datasource; }

    // Lets the series-list requests under way end (a request made while the network is off fails at once) and
    // their answers land; false when they do not end within a few seconds.
    bool settleSeriesList() const;
    // How many requests the stand-in received for paths matching the glob.
    std::size_t requestCount(const std::string& pattern);
    void addFault(qovsim::Fault fault) { sim().faults().add(std::move(fault)); }
    static qovsim::Fault faultOf(const std::string& pattern, int status = 0, bool malform = false,
                                 bool truncate = false, bool drop = false) {
        qovsim::Fault fault;
        fault.pathPattern = pattern;
        fault.status = status;
        fault.malformBody = malform;
        fault.truncateBody = truncate;
        fault.dropConnection = drop;
        return fault;
    }
    // The newest series date of a layer at the fixture's time, as the stand-in lists it.
    static std::string newestDate(const std::string& layer);

private:
    std::shared_ptr<platform::ManualClock> m_clock;
    TempHome m_home;
    TestBundle m_bundle;
    std::shared_ptr<qov::QOVTileServerDatasource> m_datasource;
};

}  // namespace qovtest
