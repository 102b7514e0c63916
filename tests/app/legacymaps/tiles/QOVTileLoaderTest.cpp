#include "app/legacymaps/tiles/QOVTileLoader.h"

#include "app/legacymaps/net/MainQueue.h"
#include "sim/Fault.h"
#include "tests/app/legacymaps/LegacyMapsFixture.h"

namespace qov {
namespace {

struct LoaderJournal : QOVTileLoaderProtocol {
    void updateTile(QOVTileLoader&) override { ++loaded; }
    void failedToLoadTile(QOVTileLoader&) override { ++failed; }
    int loaded = 0;
    int failed = 0;
};

class QOVTileLoaderTest : public qovtest::LegacyMapsFixture {
protected:
    std::shared_ptr<QOVTileLoader> loaderFor(const std::string& path) {
        auto tile = std::make_shared<QOVTile>(simUrl(path), 1.0F, platform::gfx::Rect(0, 0, 256, 256));
        return std::make_shared<QOVTileLoader>(tile, m_journal);
    }
    bool idle() {
        return qovtest::pumpUntil([] { return MainQueue::sharedQueue().operationCount() == 0; });
    }

    std::shared_ptr<LoaderJournal> m_journal = std::make_shared<LoaderJournal>();
};

TEST_F(QOVTileLoaderTest, DeliversTheBytesOrTheFailureAndNothingOnceCancelled) {
    const auto good = loaderFor("/TileServer/imgs/radar/u1800000000000/0.png");
    good->download();
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_journal->loaded == 1; }));
    EXPECT_TRUE(good->tile()->isLoaded());

    const auto missing = loaderFor("/TileServer/nothing/here.png");
    missing->download();
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_journal->failed == 1; }));
    EXPECT_FALSE(missing->tile()->isLoaded());

    sim().faults().add(qovsim::Fault{.pathPattern = "/TileServer/*", .delaySeconds = 1000.0});
    const auto cancelled = loaderFor("/TileServer/imgs/radar/u1800000000000/1.png");
    cancelled->download();
    platform::RunLoop::main().runUntilIdle();
    cancelled->cancel();
    ASSERT_TRUE(idle());  // the transfer itself stopped
    EXPECT_EQ(m_journal->loaded, 1);
    EXPECT_EQ(m_journal->failed, 1);
    EXPECT_FALSE(cancelled->tile()->isLoaded());
}

TEST_F(QOVTileLoaderTest, BytesThatAreNoTilePictureAreAFailureAndNeverKept) {
    for (const qovsim::Fault& hostile : {qovsim::Fault{.pathPattern = "/TileServer/*", .malformBody = true},
                                         qovsim::Fault{.pathPattern = "/TileServer/*", .truncateBody = true}}) {
        SCOPED_TRACE(hostile.malformBody ? "malformed" : "truncated");
        sim().faults().clear();
        sim().faults().add(hostile);
        const int failedBefore = m_journal->failed;
        const auto loader = loaderFor("/TileServer/imgs/radar/u1800000000000/2.png");
        loader->download();
        ASSERT_TRUE(qovtest::pumpUntil([&] { return m_journal->failed == failedBefore + 1; }));
        EXPECT_FALSE(loader->tile()->isLoaded());
    }
    EXPECT_EQ(m_journal->loaded, 0);
}

}  // namespace
}  // namespace qov
