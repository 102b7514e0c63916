#include "platform/map/CircleView.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "platform/base/RunLoop.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/map/MapView.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/Window.h"

namespace platform::map {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class CircleDelegate : public MapViewDelegate {
public:
    std::shared_ptr<OverlayView> viewForOverlay(MapView&, const std::shared_ptr<Overlay>& overlay) override {
        auto view = std::make_shared<CircleView>(std::static_pointer_cast<Circle>(overlay));
        view->setFillColor(gfx::Color::rgba(1.0, 0.0, 0.0));
        view->setAlpha(alpha);
        return view;
    }
    double alpha = 1.0;
};

TEST(CircleTest, BoundsGrowTowardsThePolesAndWrapAtTheAntimeridian) {
    const Circle equator({0.0, 0.0}, 100000.0);
    const Circle north({60.0, 0.0}, 100000.0);
    EXPECT_NEAR(north.boundingMapRect().width(), 2.0 * equator.boundingMapRect().width(), 1.0);  // 1 / cos 60
    EXPECT_NEAR(equator.boundingMapRect().midX(), kMapWorldWidth / 2.0, 1e-6);
    const Circle dateLine({0.0, -179.9}, 100000.0);
    EXPECT_TRUE(dateLine.boundingMapRect().spansAntimeridian());
    EXPECT_TRUE(dateLine.intersectsMapRect(MapRect{0, kMapWorldWidth / 2, 10, 10}));
    EXPECT_EQ(Circle({0.0, 0.0}, kNaN).radius(), 0.0);
    EXPECT_EQ(Circle({0.0, 0.0}, -5.0).radius(), 0.0);
}

TEST(CircleTest, TheMapDrawsTheCircleAtItsPlaceWithTheViewsAlpha) {
    struct Case {
        double alpha;
        double expectedRed;
    };
    for (const Case c : {Case{1.0, 1.0}, Case{0.5, 0.5}, Case{-3.0, 0.0}}) {
        auto delegate = std::make_shared<CircleDelegate>();
        delegate->alpha = c.alpha;
        auto map = std::make_shared<MapView>(ui::Rect{0, 0, 320, 480});
        map->setRegion({{-17.0, 180.0}, {10.0, 10.0}}, false);
        const geo::Coordinate center{-17.0, -179.0};  // east of the antimeridian, drawn from the wrapped tiles
        map->addOverlay(std::make_shared<Circle>(center, 50000.0));
        map->setDelegate(delegate);  // the view is asked for at the next layout pass
        const auto image = ui::ScreenRenderer::renderView(*map);
        const ui::Point inside = map->convertCoordinate(center);
        const gfx::Color color = image->pixel(static_cast<int>(inside.x), static_cast<int>(inside.y));
        const gfx::Color sea = image->pixel(10, 10);
        EXPECT_NEAR(color.red, c.expectedRed + (1.0 - c.expectedRed) * sea.red, 0.02) << c.alpha;
    }
}

// Fills each tile it is asked to draw with opaque red and counts the tiles.
class TileFillView : public OverlayView {
public:
    using OverlayView::OverlayView;
    void drawMapRect(const MapRect& mapRect, double zoomScale, gfx::BitmapContext& context) const override {
        ++drawn;
        context.fillRect(rectForMapRect(mapRect, mapRect, zoomScale), gfx::Color::rgba(1.0, 0.0, 0.0));
    }
    mutable int drawn = 0;
};

class TileFillDelegate : public MapViewDelegate {
public:
    std::shared_ptr<OverlayView> viewForOverlay(MapView&, const std::shared_ptr<Overlay>& overlay) override {
        view = std::make_shared<TileFillView>(overlay);
        return view;
    }
    std::shared_ptr<TileFillView> view;
};

TEST(OverlayDisplayTest, AMapInAWindowDrawsItsOverlaysSoonAndTilesMeetWithoutASeam) {
    auto delegate = std::make_shared<TileFillDelegate>();
    auto map = std::make_shared<MapView>(ui::Rect{0, 0, 320, 480});
    map->setDelegate(delegate);
    // Tiles of 2^21 map points at 2^-13.3 points per map point: their edges fall between pixels.
    map->setVisibleMapRect(MapRect{68'123'457, 100'000'000, 320.0 * 10'000, 480.0 * 10'000}, false);
    map->addOverlay(std::make_shared<Circle>(map->centerCoordinate(), 2'000'000.0));
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(delegate->view->drawn, 0);  // off screen nothing is drawn
    auto window = std::make_shared<ui::Window>();
    window->addSubview(map);
    map->pan(ui::Point{3, 0});
    RunLoop::main().runUntilIdle();
    EXPECT_GT(delegate->view->drawn, 0);

    const auto image = ui::ScreenRenderer::renderView(*map);
    for (int x = 0; x < image->width(); ++x) {
        ASSERT_EQ(image->pixel(x, 240).red, 1.0) << x;
    }
    for (int y = 0; y < image->height(); ++y) {
        ASSERT_EQ(image->pixel(160, y).red, 1.0) << y;
    }
}

TEST(OverlayViewTest, TileCoordinatesAndAlpha) {
    const MapRect tile{1024, 2048, 512, 512};
    EXPECT_EQ(OverlayView::pointForMapPoint(MapPoint{1024 + 256, 2048}, tile, 0.5), (gfx::Point{128, 0}));
    EXPECT_EQ(OverlayView::rectForMapRect(MapRect{1024, 2048 + 512, 10, 10}, tile, 0.5), (gfx::Rect{0, 256, 5, 5}));
    OverlayView view(std::make_shared<Circle>(geo::Coordinate{}, 10.0));
    view.setAlpha(2.0);
    EXPECT_EQ(view.alpha(), 1.0);
    view.setAlpha(kNaN);
    EXPECT_EQ(view.alpha(), 1.0);
}

TEST(MapViewInputTest, NonsenseRegionsAndPlacesLeaveASaneMap) {
    auto map = std::make_shared<MapView>(ui::Rect{0, 0, 320, 480});
    map->setRegion({{kNaN, kNaN}, {kNaN, -4.0}}, true);
    map->setVisibleMapRect(MapRect{kNaN, 0, 1e300, kNaN}, false);
    map->setCenterCoordinate({1e9, -1e9}, false);
    const MapRect shown = map->visibleMapRect();
    EXPECT_TRUE(kMapRectWorld.contains(shown.center()));
    EXPECT_GT(map->zoomScale(), 0.0);
    auto nowhere = std::make_shared<PointAnnotation>(geo::Coordinate{kNaN, kNaN}, "Nowhere");
    map->addAnnotations({nowhere, nowhere, nullptr});
    EXPECT_EQ(map->annotations().size(), 1u);
    map->selectAnnotation(std::make_shared<PointAnnotation>(), false);  // not on the map: ignored
    EXPECT_TRUE(map->selectedAnnotations().empty());
    ui::ScreenRenderer::renderView(*map);
    map->setFrame(ui::Rect{0, 0, 0, 0});
    EXPECT_EQ(map->zoomScale(), 0.0);
    ui::ScreenRenderer::renderView(*map);
}

}  // namespace
}  // namespace platform::map
