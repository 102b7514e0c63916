#include "app/maps/overlay/QOVTileOverlay.h"

#include <gtest/gtest.h>

#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/overlay/QOVTileOverlayView.h"
#include "platform/gfx/BitmapContext.h"
#include "tests/app/maps/SharedMapCacheFixture.h"

namespace qov {
namespace {

using platform::map::MapRect;

std::shared_ptr<platform::ui::Image> anImage() {
    return std::make_shared<platform::ui::Image>(platform::gfx::BitmapContext(1, 1).makeImage());
}

TEST(QOVTileOverlayKeyTest, TheImageCacheKeepsTheThirteenNewest) {
    const auto overlay = QOVTileOverlay::create(platform::map::kMapRectWorld, nullptr, 0.75);
    for (int index = 0; index < 14; ++index) {
        overlay->cacheImage(anImage(), "key" + std::to_string(index));
    }
    EXPECT_EQ(overlay->cachedImageCount(), 13U);
    EXPECT_EQ(overlay->cachedImageForKey("key0"), nullptr);
    EXPECT_NE(overlay->cachedImageForKey("key1"), nullptr);
    // Without a series there are no tiles to serve.
    EXPECT_EQ(overlay->tileImageForMapRect(MapRect(0, 0, 256, 256), 1.0F), nullptr);
    EXPECT_EQ(overlay->view()->overlay(), overlay);
}

using QOVTileOverlayTest = qovtest::SharedMapCacheFixture;

TEST_F(QOVTileOverlayTest, AMissingTileIsFetchedRedrawnAndThenServedAtTheZoomScale) {
    const auto series = m_cache->currentTileConfig()->latestSeriesForLayer("radar");
    const auto overlay = QOVTileOverlay::create(platform::map::kMapRectWorld, series, 0.6);
    const auto view = overlay->view();
    EXPECT_EQ(view->tileAlpha(), 0.6);
    const float scale = 1.0F / 8192.0F;  // level 7: tiles of 2^21 map points
    const MapRect tile(2097152.0 * 32, 2097152.0 * 48, 2097152, 2097152);
    EXPECT_EQ(overlay->tileImageForMapRect(tile, scale), nullptr);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return view->displayRequests() > 0; }));
    const auto image = overlay->tileImageForMapRect(tile, scale);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->scale(), scale);
    EXPECT_EQ(overlay->cachedImageCount(), 1U);
    EXPECT_EQ(overlay->tileImageForMapRect(tile, scale), image);
    EXPECT_EQ(requestCount("/TileServer/imgs/radar/*"), 1U);

    // Drawn over the whole rect with the tile alpha.
    platform::gfx::BitmapContext context(256, 256);
    view->drawMapRect(tile, scale, context);
    const auto drawn = context.makeImage();
    int shown = 0;
    for (int y = 0; y < 256; y += 4) {
        for (int x = 0; x < 256; x += 4) {
            const double alpha = image->bitmap()->pixel(x, y).alpha;
            EXPECT_NEAR(drawn->pixel(x, y).alpha, alpha * 0.6, 0.02) << x << "," << y;
            shown += alpha > 0.5 ? 1 : 0;
        }
    }
    EXPECT_GT(shown, 0);
    // Another zoom scale starts an empty image cache.
    overlay->tileImageForMapRect(tile, scale * 2);
    EXPECT_EQ(overlay->cachedImageCount(), 0U);
}

TEST_F(QOVTileOverlayTest, DrawingsWhileATileIsFetchedDoNotAskForItAgain) {
    auto delay = faultOf("/TileServer/imgs/radar/*");
    delay.delaySeconds = 0.3;
    addFault(delay);
    const auto overlay = QOVTileOverlay::create(platform::map::kMapRectWorld,
                                                m_cache->currentTileConfig()->latestSeriesForLayer("radar"), 1.0);
    const auto view = overlay->view();
    const float scale = 1.0F / 8192.0F;
    const MapRect tile(2097152.0 * 32, 2097152.0 * 48, 2097152, 2097152);
    for (int drawing = 0; drawing < 10; ++drawing) {
        EXPECT_EQ(overlay->tileImageForMapRect(tile, scale), nullptr);
        advance(0.05);
    }
    ASSERT_TRUE(qovtest::pumpUntil([&] { return view->displayRequests() > 0; }));
    ASSERT_TRUE(qovtest::pumpUntil([&] { return datasource()->tileRequestsInFlight() == 0; }));
    loop().runUntilIdle();
    EXPECT_EQ(view->displayRequests(), 1) << "one arrival";
    EXPECT_EQ(requestCount("/TileServer/imgs/radar/*"), 1U);
    EXPECT_NE(overlay->tileImageForMapRect(tile, scale), nullptr);
}

TEST_F(QOVTileOverlayTest, AFailedTileLeavesAGapThatIsNotRedrawnInALoopAndIsFilledAfterItsPause) {
    addFault(faultOf("/TileServer/imgs/radar/*", 500));
    const auto overlay = QOVTileOverlay::create(platform::map::kMapRectWorld,
                                                m_cache->currentTileConfig()->latestSeriesForLayer("radar"), 1.0);
    const auto view = overlay->view();
    const float scale = 1.0F / 8192.0F;
    const MapRect tile(2097152.0 * 32, 2097152.0 * 48, 2097152, 2097152);
    for (int drawing = 0; drawing < 400; ++drawing) {  // 20 s, 20 drawings a second
        EXPECT_EQ(overlay->tileImageForMapRect(tile, scale), nullptr);
        ASSERT_TRUE(qovtest::pumpUntil([&] { return datasource()->tileRequestsInFlight() == 0; }));
        loop().runUntilIdle();
        advance(0.05);
    }
    EXPECT_EQ(view->displayRequests(), 0) << "nothing new to draw";
    EXPECT_EQ(requestCount("/TileServer/imgs/radar/*"), 4U);

    sim().faults().clear();
    advance(11.0);
    EXPECT_EQ(overlay->tileImageForMapRect(tile, scale), nullptr);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return view->displayRequests() == 1; }));
    EXPECT_NE(overlay->tileImageForMapRect(tile, scale), nullptr);
}

}  // namespace
}  // namespace qov
