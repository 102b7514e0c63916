#include "app/legacymaps/tiles/QOVTileLayerView.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <vector>

#include "app/legacymaps/net/MainQueue.h"
#include "sim/Fault.h"
#include "tests/app/legacymaps/LegacyMapsFixture.h"

namespace qov {
namespace {

using platform::gfx::AffineTransform;
using platform::gfx::Point;
using platform::gfx::Rect;
using Range = QOVTileLayerView::TileRange;

const Rect kScreen(0, 0, 768, 1004);

// The view transform centred on a layer pixel at scale 1.
AffineTransform centredOn(Point pixel) {
    return AffineTransform::translation(-pixel.x, -pixel.y).thenTranslate(kScreen.width() / 2, kScreen.height() / 2);
}

TEST(QOVTileLayerViewGridTest, RowsOutsideTheWorldAreSkippedAndColumnsNeverRepeatTheWorld) {
    const struct {
        const char* name;
        int zoom;
        Point centre;
        Range range;
    } cases[] = {
        {"north-west corner", 2, {0, 0}, {-2, 1, 0, 1}},
        {"south-east corner", 2, {1024, 1024}, {2, 5, 2, 3}},
        {"world narrower than the view", 1, {256, 256}, {-1, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QOVTileLayerView::tileRangeFor(kScreen, centredOn(c.centre), c.zoom), c.range) << c.name;
    }
    const auto broken = AffineTransform::scaling(std::numeric_limits<double>::quiet_NaN(), 1);
    const Range none = QOVTileLayerView::tileRangeFor(kScreen, broken, 3);
    EXPECT_GT(none.firstColumn, none.lastColumn);
}

TEST(QOVTileLayerViewGridTest, LayerLevelsQuadKeysAndClampedPoints) {
    const QOVLayer shallow("radar", 6, 1, 6);
    const struct {
        const QOVLayer* layer;
        float zoom;
        int level;
    } levels[] = {{&shallow, 10.4F, 6}, {&shallow, 7.4F, 6}, {&shallow, 6.4F, 5},  {&shallow, 8.0F, 6},
                  {nullptr, 10.4F, 9},  {nullptr, 0.2F, 1},  {nullptr, 30.0F, 19}, {nullptr, 20.4F, 19}};
    for (const auto& c : levels) {
        EXPECT_EQ(QOVTileLayerView::zoomLevelForLayer(c.layer, c.zoom), c.level) << c.zoom;
    }
    EXPECT_EQ(QOVTileLayerView::quadKeyForX(3, 5, 3), "213");
    EXPECT_EQ(QOVTileLayerView::quadKeyForX(3, 5, 0), "");
    EXPECT_TRUE(QOVTileLayerView::isEuroRad(Point{10, 50}));
    EXPECT_FALSE(QOVTileLayerView::isEuroRad(Point{20, 50}));
    EXPECT_EQ(QOVTileLayerView::pixelForPoint(Point{0, 89}, 8, 256),
              QOVTileLayerView::pixelForPoint(Point{0, 85.0511322}, 8, 256));
    const Point back =
        QOVTileLayerView::pointForPixel(QOVTileLayerView::pixelForPoint(Point{-84.39, 33.75}, 8, 256), 8, 256);
    EXPECT_NEAR(back.x, -84.39, 1e-9);
    EXPECT_NEAR(back.y, 33.75, 1e-9);
}

constexpr const char* kTiles = "/TileServer/imgs/*";

// A radar layer over Atlanta fed by the stand-in's series list.
class QOVTileLayerViewTest : public qovtest::LegacyMapsFixture {
protected:
    void SetUp() override {
        LegacyMapsFixture::SetUp();
        m_series = QOVTileSeries::create(simUrl(), simUrl());
        advance(QOVTileSeries::kFirstRequestDelay);
        ASSERT_TRUE(qovtest::pumpUntil([&] { return m_series->loaded(); }));
        m_layer = QOVTileLayerView::create(kScreen, m_series);
        m_layer->setCenterPoint(Point{-84.39, 33.75});
        m_layer->setMapType(MapOverlayType::radarOverlay());
    }

    // Runs the redraw and waits until no tile is in flight.
    bool settle() {
        platform::RunLoop::main().runUntilIdle();
        // The stand-in draws every tile of a view at once: on a loaded machine that takes a while.
        return qovtest::pumpUntil(
            [&] { return m_layer->loadingCount() == 0 && MainQueue::sharedQueue().operationCount() == 0; }, 20.0);
    }
    std::size_t tilesInRange() const {
        const Range range = m_layer->tileRange();
        return static_cast<std::size_t>((range.lastColumn - range.firstColumn + 1) *
                                        (range.lastRow - range.firstRow + 1));
    }
    void expectShownTilesLoaded() const {
        for (const auto& view : m_layer->subviews()) {
            const auto tile = std::static_pointer_cast<QOVTileSubView>(view)->tile();
            EXPECT_TRUE(!tile || tile->isLoaded()) << tile->url();
        }
    }
    // The file names of the tiles the stand-in was asked for.
    std::vector<std::string> requestedTiles() {
        std::vector<std::string> names;
        for (const auto& request : sim().requestLog()) {
            if (qovsim::globMatches(kTiles, request.path)) {
                names.push_back(request.path.substr(request.path.rfind('/') + 1));
            }
        }
        return names;
    }
    std::size_t tileRequests() { return requestedTiles().size(); }

    std::shared_ptr<QOVTileSeries> m_series;
    std::shared_ptr<QOVTileLayerView> m_layer;
};

TEST_F(QOVTileLayerViewTest, ShowsTheTilesInViewFromTheStandIn) {
    m_layer->regionChanged();
    ASSERT_TRUE(settle());
    EXPECT_EQ(m_layer->numberOfTimeSlices(), 24);
    EXPECT_EQ(m_layer->shownSubViewCount(), tilesInRange());
    EXPECT_GE(tileRequests(), tilesInRange());
    expectShownTilesLoaded();
}

TEST_F(QOVTileLayerViewTest, ColumnsPastTheAntimeridianRepeatTheWorldsOwnTiles) {
    m_layer->setZoomLevel(3.0F);  // layer level 2: four columns
    m_layer->setCenterPoint(Point{179.0, 0.0});
    m_layer->regionChanged();
    ASSERT_TRUE(settle());
    EXPECT_GT(m_layer->tileRange().lastColumn, 3);
    const auto quadKeys = requestedTiles();
    EXPECT_NE(std::ranges::find(quadKeys, "02.png"), quadKeys.end());  // column 4, row 1 is column 0, row 1 again
    for (const auto& key : quadKeys) {
        EXPECT_EQ(key.size(), 6U) << key;
    }
    EXPECT_EQ(m_layer->shownSubViewCount(), tilesInRange());
}

// The stand-in's radar layer goes down to level 12: zoom 13 shows that level itself, zoom 14 stays on it.
TEST_F(QOVTileLayerViewTest, TheLayersDeepestLevelHasTilesAndNoZoomGoesPastIt) {
    ASSERT_TRUE(settle());
    sim().clearRequestLog();
    for (const float zoom : {13.0F, 14.0F}) {
        m_layer->setZoomLevel(zoom);
        m_layer->regionChanged();
        ASSERT_TRUE(settle());
        EXPECT_EQ(m_layer->layerZoomLevel(), 12) << zoom;
        EXPECT_EQ(m_layer->shownSubViewCount(), tilesInRange()) << zoom;
    }
    const auto quadKeys = requestedTiles();
    EXPECT_FALSE(quadKeys.empty());
    for (const auto& key : quadKeys) {
        EXPECT_EQ(key.size(), 12U + 4U) << key;  // twelve digits and ".png"
    }
}

TEST_F(QOVTileLayerViewTest, TheForecastLoopAsksForTheRunsFrames) {
    m_layer->useFutureTimeSlices(true);
    m_layer->startAnimation();
    ASSERT_TRUE(settle());
    const auto forecast = m_series->layerWithType(MapOverlayType::radarOverlay(), true);
    ASSERT_TRUE(forecast);
    EXPECT_EQ(m_layer->tileLayer(), forecast);
    const std::string prefix = "/TileServer/ff/future_radar_ff/u" + forecast->hiRadUnixDate() + "/u" +
                               forecast->seriesForTimeSlice(0)->unixDate() + "/";
    std::size_t frames = 0;
    for (const auto& request : sim().requestLog()) {
        frames += request.path.starts_with(prefix) ? 1 : 0;
    }
    EXPECT_GT(frames, 0U);
    ASSERT_GT(m_layer->shownSubViewCount(), 0U);
    expectShownTilesLoaded();
}

TEST_F(QOVTileLayerViewTest, AFailedTileIsAskedForAgainOnlySixtySecondsLater) {
    sim().faults().add(qovsim::Fault{.pathPattern = kTiles, .status = 500});
    m_layer->regionChanged();
    ASSERT_TRUE(settle());
    const std::size_t failed = tileRequests();
    EXPECT_GT(failed, 0U);

    sim().faults().clear();
    advance(59.0);
    m_layer->regionChanged();
    ASSERT_TRUE(settle());
    EXPECT_EQ(tileRequests(), failed);

    advance(1.0);
    m_layer->regionChanged();
    ASSERT_TRUE(settle());
    EXPECT_GT(tileRequests(), failed);
    EXPECT_GT(m_layer->shownSubViewCount(), 0U);
}

TEST_F(QOVTileLayerViewTest, TheLoopWaitsAtMostFiveTicksForTilesAndNeedsSlicesToRun) {
    sim().faults().add(qovsim::Fault{.pathPattern = kTiles, .delaySeconds = 1000.0});
    m_layer->startAnimation();
    advance(2.0);
    EXPECT_EQ(m_layer->timeSlice(), 0);
    advance(0.5);
    EXPECT_EQ(m_layer->timeSlice(), 23);

    m_layer->stopAnimation();
    m_layer->setMapType(MapOverlayType::noneOverlay());
    m_layer->startAnimation();
    advance(5.0);
    EXPECT_EQ(m_layer->numberOfTimeSlices(), 0);
    EXPECT_EQ(m_layer->timeSlice(), 0);
}

TEST_F(QOVTileLayerViewTest, TheTileCacheKeepsTwentyFourTilesAndLetsTheLeastRecentlyReadGoFirst) {
    m_layer->setFrame(Rect(0, 0, 1280, 768));  // twelve tiles in view: columns N to N + 3, rows 49 to 51
    // Two places fill the cache; back at the first its tiles are read again, so the third place's tiles push out
    // the second's, not the first's.
    const struct {
        int firstColumn;
        std::size_t asked;
    } moves[] = {{8, 12}, {12, 12}, {8, 0}, {16, 12}, {8, 0}, {12, 12}};
    for (const auto& move : moves) {
        const std::size_t before = tileRequests();
        m_layer->setCenterPixel(Point{256.0 * (move.firstColumn + 2), 256.0 * 50.5});
        m_layer->regionChanged();
        advance(1.0);  // each place is read at a time of its own
        ASSERT_TRUE(settle());
        EXPECT_EQ(tileRequests() - before, move.asked) << "column " << move.firstColumn;
        EXPECT_LE(m_layer->cachedTileCount(), 24U);
    }
    EXPECT_EQ(m_layer->cachedTileCount(), 24U);
}

TEST_F(QOVTileLayerViewTest, ALoopOverMoreTilesThanTheCacheHoldsAsksForThemAgainEachRound) {
    m_layer->setFrame(Rect(0, 0, 256, 256));
    m_layer->setCenterPixel(Point{256.0 * 10, 256.0 * 50.5});  // columns 9 and 10 of row 50
    m_layer->startAnimation();
    ASSERT_TRUE(settle());
    ASSERT_EQ(m_layer->numberOfTimeSlices(), 24);
    ASSERT_EQ(tilesInRange(), 2U);  // the loop shows 48 tiles
    std::size_t most = 0;
    // Plays until the loop has shown every slice once, watching the cache at every tick.
    const auto playRound = [&] {
        const int from = m_layer->timeSlice();
        int shown = 0;
        for (int tick = 0; tick < 240 && shown < 24; ++tick) {
            const int before = m_layer->timeSlice();
            advance(QOVTileLayerView::kLoopInterval);
            ASSERT_TRUE(settle());
            shown += m_layer->timeSlice() != before ? 1 : 0;
            most = std::max(most, m_layer->cachedTileCount());
        }
        ASSERT_EQ(m_layer->timeSlice(), from);
    };
    playRound();
    const std::size_t fetched = tileRequests();
    playRound();
    EXPECT_EQ(most, 24U);
    EXPECT_EQ(tileRequests() - fetched, 48U) << "every slice's tiles were pushed out before the loop came back";

    // Stopped, the view shows the first slice again: the loop showed it last, so its tiles were read last and stay.
    ASSERT_EQ(m_layer->timeSlice(), 0);
    m_layer->stopAnimation();
    ASSERT_TRUE(settle());
    EXPECT_EQ(tileRequests() - fetched, 48U);
    EXPECT_EQ(m_layer->shownSubViewCount(), 2U);
}

// Zoom 8 draws layer level 7 twice over: a tile is 512 points, so the view holds two tiles of row 50. Each pan
// lets views go and hands them to the tiles coming in.
TEST_F(QOVTileLayerViewTest, APanGivesEachTileInViewASubViewOfItsOwnAtItsOwnPlace) {
    m_layer->setFrame(Rect(0, 0, 1024, 512));
    const struct {
        double centreColumn;
        int firstColumn;
    } pans[] = {{10.0, 9}, {12.0, 11}, {11.0, 10}};
    for (const auto& pan : pans) {
        m_layer->setCenterPixel(Point{256.0 * pan.centreColumn, 256.0 * 50.5});
        m_layer->regionChanged();
        ASSERT_TRUE(settle());
        std::vector<std::tuple<int, int, Rect>> shown;
        for (const auto& view : m_layer->subviews()) {
            const auto subView = std::static_pointer_cast<QOVTileSubView>(view);
            if (!subView->isHidden() && subView->tile()) {
                shown.emplace_back(subView->tile()->x(), subView->tile()->y(), subView->frame());
            }
        }
        std::ranges::sort(shown, [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
        const std::vector<std::tuple<int, int, Rect>> expected{{pan.firstColumn, 50, Rect(0, 0, 512, 512)},
                                                               {pan.firstColumn + 1, 50, Rect(512, 0, 512, 512)}};
        EXPECT_EQ(shown, expected) << "centred on column " << pan.centreColumn;
        EXPECT_EQ(m_layer->shownSubViewCount(), 2U) << "centred on column " << pan.centreColumn;
    }
}

TEST_F(QOVTileLayerViewTest, DroppingALayerDetachesItCompletely) {
    sim().faults().add(qovsim::Fault{.pathPattern = kTiles, .delaySeconds = 1000.0});
    const auto map = std::make_shared<platform::ui::View>(kScreen);
    map->addSubview(m_layer);
    m_layer->startAnimation();
    platform::RunLoop::main().runUntilIdle();
    EXPECT_GT(m_layer->loadingCount(), 0U);

    m_layer->teardown();
    EXPECT_EQ(m_layer->superview(), nullptr);
    EXPECT_FALSE(m_layer->isAnimating());
    EXPECT_EQ(m_layer->loadingCount(), 0U);
    const std::weak_ptr<QOVTileLayerView> gone = m_layer;
    m_layer.reset();
    EXPECT_TRUE(gone.expired());
    advance(QOVTileSeries::kRefreshInterval);  // a refresh after the drop tells nobody
}

}  // namespace
}  // namespace qov
