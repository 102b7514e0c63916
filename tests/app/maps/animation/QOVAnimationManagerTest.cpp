#include "app/maps/animation/QOVAnimationManager.h"

#include <gtest/gtest.h>

#include "app/maps/animation/QOVAnimationRendererImageView.h"
#include "app/maps/cache/QOVMapCache.h"
#include "tests/app/maps/SharedMapCacheFixture.h"

namespace qov {
namespace {

using platform::map::MapRect;

struct Recorder : QOVAnimationManagerDelegate {
    std::vector<std::string> events;
    std::vector<std::uint32_t> shown;
    void animationOverlayDisplayedFrame(QOVAnimationManager&, std::uint32_t frame, const std::string& time) override {
        shown.push_back(frame);
        events.push_back("shown " + std::to_string(frame) + " " + time);
    }
    void loadingStarted() override { events.emplace_back("loading"); }
    void loadedFrame(std::uint32_t count) override { events.push_back("loaded " + std::to_string(count)); }
    void allFramesLoaded() override { events.emplace_back("all loaded"); }
    void animationStarted(QOVAnimationManager&) override { events.emplace_back("started"); }
    void animationStopped(QOVAnimationManager&) override { events.emplace_back("stopped"); }
    bool heard(const std::string& event) const { return std::ranges::find(events, event) != events.end(); }
};

// Keeps every frame it stitches, in the order it stitched them.
struct KeepingRenderer : QOVAnimationRendererImageView {
    using QOVAnimationRendererImageView::QOVAnimationRendererImageView;
    std::vector<std::pair<std::uint32_t, FrameImage>> stitched;
    FrameImage nativeDataFromFrameData(const FrameData& frameData, std::uint32_t rows, float zoomScale,
                                       platform::gfx::Point offset, std::uint32_t frameNumber) override {
        auto image =
            QOVAnimationRendererImageView::nativeDataFromFrameData(frameData, rows, zoomScale, offset, frameNumber);
        stitched.emplace_back(frameNumber, image);
        return image;
    }
    std::vector<std::uint32_t> order() const {
        std::vector<std::uint32_t> frames;
        for (const auto& [frame, image] : stitched) {
            frames.push_back(frame);
        }
        return frames;
    }
};

class QOVAnimationManagerTest : public qovtest::SharedMapCacheFixture {
protected:
    void SetUp() override {
        SharedMapCacheFixture::SetUp();
        // Level 7 tiles (2^21 map points) at one point per 2^13 map points: a grid of 2 columns by 3 rows
        // over the view.
        m_mapView->setVisibleMapRect(MapRect(68'000'000, 100'000'000, 320.0 * 8192, 367.0 * 8192), false);
        m_manager->setMapView(m_mapView);
        m_manager->setRenderer(m_renderer);
        m_manager->setDelegate(m_recorder);
    }
    void TearDown() override {
        m_manager.reset();
        SharedMapCacheFixture::TearDown();
    }
    // The stand-in's radar layer with its first series only.
    std::shared_ptr<QOVMapLayer> radar(std::size_t series = 24) const {
        auto layer = std::make_shared<QOVMapLayer>(*m_cache->currentTileConfig()->mapLayers().at("radar"));
        auto list = layer->availableSeries();
        list.resize(std::min(series, list.size()));
        layer->setAvailableSeries(list);
        return layer;
    }
    bool loadAll() {
        return qovtest::pumpUntil([this] { return m_recorder->heard("all loaded"); }, 30.0);
    }

    std::shared_ptr<platform::map::MapView> m_mapView =
        std::make_shared<platform::map::MapView>(platform::gfx::Rect(0, 0, 320, 367));
    std::shared_ptr<KeepingRenderer> m_renderer = std::make_shared<KeepingRenderer>(platform::gfx::Rect(0, 0, 10, 10));
    std::shared_ptr<Recorder> m_recorder = std::make_shared<Recorder>();
    std::shared_ptr<QOVAnimationManager> m_manager = QOVAnimationManager::create();
};

TEST(QOVAnimationManagerOrderTest, FirstAndLastFramesLoadFirstThenTheMiddleSpreads) {
    const std::vector<std::pair<std::uint32_t, std::vector<std::uint32_t>>> orders{
        {12, {0, 11, 1, 4, 7, 10, 2, 5, 8, 3, 6, 9}}, {5, {0, 4, 1, 2, 3}}, {2, {0, 1}}, {1, {0, 0}}, {0, {}}};
    for (const auto& [frames, order] : orders) {
        EXPECT_EQ(QOVAnimationManager::loadOrder(frames), order) << frames;
    }
}

TEST_F(QOVAnimationManagerTest, ALoopLoadsFromTheStandInShowsTheFirstFrameAndPlaysNewestLast) {
    // Some tiles fail for good: their squares stay empty, the frames still render.
    addFault(faultOf("/TileServer/imgs/radar/*/*3.png", 500));
    const auto layer = radar();
    m_manager->setMapLayer(layer);
    m_manager->setAnimating(true);
    ASSERT_TRUE(loadAll());
    ASSERT_EQ(m_manager->totalFrames(), 12U);
    EXPECT_EQ(m_manager->framesRendered(), 12U);
    EXPECT_EQ(m_renderer->frame(), m_mapView->frame());
    const std::string firstTime =
        layer->availableSeries()[0]->displayDateWithTimeZone(std::nullopt, m_cache->configurationOffset());
    const std::vector<std::string> opening{"loading",  "loaded 1", "shown 11 " + firstTime,
                                           "loaded 2", "loaded 3", "started"};
    ASSERT_GE(m_recorder->events.size(), opening.size());
    EXPECT_EQ(std::vector<std::string>(m_recorder->events.begin(), m_recorder->events.begin() + 6), opening);
    EXPECT_FALSE(m_renderer->isHidden());

    // Twelve frames tick every 0.35 s: one tick holds the first series, then the pass starts at the newest.
    m_recorder->shown.clear();
    advance(0.35);
    EXPECT_TRUE(m_recorder->shown.empty());
    advance(0.35 * 3);
    EXPECT_EQ(m_recorder->shown, (std::vector<std::uint32_t>{0, 1, 2}));
}

TEST_F(QOVAnimationManagerTest, StoppingEndsTheQueuedLoadsAndARestartBeginsAgain) {
    m_manager->setMapLayer(radar());
    m_manager->setAnimating(true);
    ASSERT_TRUE(qovtest::pumpUntil([this] { return m_recorder->heard("loaded 1"); }, 30.0));
    // A request already on its way when the loop stops may still reach the stand-in; none starts after.
    const auto sentBeforeStop = datasource()->tileRequestsInFlight();
    m_manager->setAnimating(false);
    EXPECT_EQ(datasource()->tileRequestsInFlight(), 0U);
    const auto rendered = m_manager->framesRendered();
    const auto tileRequests = requestCount("/TileServer/imgs/*");
    m_recorder->events.clear();
    loop().runFor(2.0);
    EXPECT_EQ(m_manager->framesRendered(), rendered);
    EXPECT_LE(requestCount("/TileServer/imgs/*"), tileRequests + sentBeforeStop);
    EXPECT_TRUE(m_recorder->events.empty());
    EXPECT_EQ(loop().timerCount(), 1U);  // the map cache's validation timer

    // The next layer starts from scratch; the earlier frames never show in its loop. Ten frames tick every 0.5 s.
    m_manager->setMapLayer(radar(20));
    m_manager->setAnimating(true);
    ASSERT_TRUE(loadAll());
    EXPECT_EQ(m_manager->framesRendered(), 10U);
    EXPECT_EQ(std::ranges::count(m_recorder->events, std::string("loaded 1")), 1);
    m_recorder->shown.clear();
    advance(0.7);  // the pause tick only
    EXPECT_TRUE(m_recorder->shown.empty());
    advance(0.3);
    EXPECT_EQ(m_recorder->shown, (std::vector<std::uint32_t>{0}));
}

// All frames' tiles are asked for at once; frames still render in load order when the first frame's tiles come
// last, and a second loop over the same map, read from the tile files, renders the same frames in the same order.
TEST_F(QOVAnimationManagerTest, FramesRenderInLoadOrderWhetherFetchedLateOrReadFromFiles) {
    const auto layer = radar();
    addFault(qovsim::Fault{.pathPattern = "/TileServer/imgs/radar/" + layer->availableSeries()[0]->seriesDate() + "/*",
                           .delaySeconds = 0.3});
    m_manager->setMapLayer(layer);
    m_manager->setAnimating(true);
    ASSERT_TRUE(loadAll());
    const auto order = QOVAnimationManager::loadOrder(12);
    EXPECT_EQ(m_renderer->order(), order);
    const auto fetched = m_renderer->stitched;
    const auto tileRequests = requestCount("/TileServer/imgs/*");
    EXPECT_EQ(tileRequests, 12 * QOVMapCache::tilesInMapRect(m_manager->mapRect(), m_manager->zoomScale()).size());

    m_manager->setAnimating(false);
    m_renderer->stitched.clear();
    m_recorder->events.clear();
    m_manager->setAnimating(true);
    ASSERT_TRUE(loadAll());
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), tileRequests);
    ASSERT_EQ(m_renderer->order(), order);
    for (std::size_t index = 0; index < order.size(); ++index) {
        EXPECT_TRUE(m_renderer->stitched[index].second->bitmap()->samePixels(*fetched[index].second->bitmap()))
            << "frame " << order[index];
    }
    const std::string firstShown =
        layer->availableSeries()[0]->displayDateWithTimeZone(std::nullopt, m_cache->configurationOffset());
    EXPECT_EQ(std::vector<std::string>(m_recorder->events.begin(), m_recorder->events.begin() + 3),
              (std::vector<std::string>{"loading", "loaded 1", "shown 11 " + firstShown}));
}

TEST_F(QOVAnimationManagerTest, StoppingAFileReadLoopEndsItsReads) {
    m_manager->setMapLayer(radar());
    m_manager->setAnimating(true);
    ASSERT_TRUE(loadAll());
    m_manager->setAnimating(false);
    m_recorder->events.clear();
    m_manager->setAnimating(true);
    ASSERT_TRUE(qovtest::pumpUntil([this] { return m_recorder->heard("loaded 1"); }, 30.0));
    m_manager->setAnimating(false);
    const auto stitched = m_renderer->stitched.size();
    m_recorder->events.clear();
    loop().runFor(2.0);
    EXPECT_EQ(m_renderer->stitched.size(), stitched);
    EXPECT_TRUE(m_recorder->events.empty());
}

TEST_F(QOVAnimationManagerTest, ALoopWithoutFramesIsRefused) {
    auto empty = radar(0);
    for (const auto& layer : {std::shared_ptr<QOVMapLayer>(), empty}) {
        m_recorder->events.clear();
        m_manager->setMapLayer(layer);
        m_manager->setAnimating(true);
        loop().runUntilIdle();
        EXPECT_FALSE(m_manager->isAnimating());
        EXPECT_EQ(m_recorder->events, std::vector<std::string>{"stopped"});
    }
}

TEST_F(QOVAnimationManagerTest, TilesOfAnotherSeriesDoNotCount) {
    m_manager->setMapLayer(radar(1));
    m_manager->setAnimating(true);
    loop().runUntilIdle();  // the first frame's tiles are requested
    const auto grid = QOVMapCache::tilesInMapRect(m_manager->mapRect(), m_manager->zoomScale());
    auto foreign = std::make_shared<QOVMapTileData>(*grid[0]);
    foreign->setLayerName("radar");
    foreign->setSeriesDate("190001010000");
    for (std::size_t delivery = 0; delivery < grid.size(); ++delivery) {
        m_manager->mapTileReceived(foreign);
    }
    loop().runUntilIdle();
    EXPECT_EQ(m_manager->framesRendered(), 0U);
    ASSERT_TRUE(loadAll());
    EXPECT_EQ(m_manager->framesRendered(), 2U);  // the single frame is both the first and the last
}

TEST_F(QOVAnimationManagerTest, ALoopOfOneFrameLoadsItTwiceShowsItOnceAndNeverPlays) {
    const auto layer = radar(1);
    m_manager->setMapLayer(layer);
    m_manager->setAnimating(true);
    ASSERT_TRUE(loadAll());
    EXPECT_EQ(m_renderer->order(), (std::vector<std::uint32_t>{0, 0}));
    EXPECT_EQ(requestCount("/TileServer/imgs/*"), 6U);  // the grid once: the second load joins the transfers
    const std::string time =
        layer->availableSeries()[0]->displayDateWithTimeZone(std::nullopt, m_cache->configurationOffset());
    EXPECT_EQ(m_recorder->events,
              (std::vector<std::string>{"loading", "loaded 1", "shown 0 " + time, "loaded 2", "all loaded"}));

    m_recorder->events.clear();
    advance(5.0);
    EXPECT_TRUE(m_recorder->events.empty());
    EXPECT_EQ(loop().timerCount(), 1U);  // the map cache's validation timer
}

}  // namespace
}  // namespace qov
