#include "app/legacymaps/series/QOVTileSets.h"

#include <gtest/gtest.h>

namespace {

struct RecordingListener : qov::QOVTileSetsListener {
    explicit RecordingListener(std::string name, std::string* log) : name(std::move(name)), log(log) {}
    void tilesUpdatedForOverlay(const std::string& key) override { *log += name + ":" + key + " "; }
    std::string name;
    std::string* log;
};

TEST(QOVTileSetsTest, TellsEachListenerOncePerKeyInRegistrationOrder) {
    std::string log;
    qov::QOVTileSets tileSets;
    auto first = std::make_shared<RecordingListener>("a", &log);
    auto second = std::make_shared<RecordingListener>("b", &log);
    auto gone = std::make_shared<RecordingListener>("c", &log);
    tileSets.registerListener(first, "radar");
    tileSets.registerListener(second, "radar");
    tileSets.registerListener(first, "radar");
    tileSets.registerListener(first, "sat");
    tileSets.registerListener(gone, "sat");
    gone.reset();
    tileSets.notifyAllListeners();
    EXPECT_EQ(log, "a:radar b:radar a:sat ");

    log.clear();
    tileSets.unregisterListener(first, "radar");
    tileSets.unregisterListener(second, "uv");
    tileSets.notifyAllListeners();
    EXPECT_EQ(log, "b:radar a:sat ");
}

}  // namespace
