#include "app/legacymaps/map/MapView.h"

#include "app/core/categories/MKMapViewQOV.h"
#include "app/core/model/QOVLocation.h"
#include "platform/ui/ScriptTargets.h"
#include "tests/app/legacymaps/LegacyMapsFixture.h"

namespace qov {
namespace {

using platform::geo::Coordinate;
using platform::map::CoordinateRegion;
using platform::map::CoordinateSpan;

class MapViewTest : public qovtest::LegacyMapsFixture {
protected:
    void SetUp() override {
        LegacyMapsFixture::SetUp();
        QOVTileSeries::setSharedInstance(QOVTileSeries::create(simUrl(), simUrl()));
        m_map = std::make_shared<platform::map::MapView>(platform::gfx::Rect(0, 0, 768, 1004));
        m_view = std::make_shared<MapView>(platform::gfx::Rect(0, 0, 768, 1004));
        m_view->addSubview(m_map);
        m_view->setMapView(m_map);
    }
    void TearDown() override {
        m_view->teardown();
        QOVTileSeries::setSharedInstance(nullptr);
        LegacyMapsFixture::TearDown();
    }
    void moveTo(double latitude, double longitude) {
        m_map->setRegion(CoordinateRegion{Coordinate{latitude, longitude}, CoordinateSpan{2, 2}}, false);
    }

    std::shared_ptr<platform::map::MapView> m_map;
    std::shared_ptr<MapView> m_view;
};

TEST_F(MapViewTest, TheLayerFollowsTheMapOnceItHasKeptStillForMoreThanThreeTenths) {
    m_view->setCurrentOverlayType(MapOverlayType::radarOverlay());
    const auto layer = m_view->overlayLayer();
    ASSERT_TRUE(layer);
    advance(0.5);
    ASSERT_FALSE(m_view->isWaitingForRegion());

    moveTo(33.75, -84.39);
    EXPECT_TRUE(layer->isHidden());
    advance(0.2);
    moveTo(40.71, -74.0);
    advance(0.3);  // the last move is exactly 0.3 s old
    EXPECT_TRUE(m_view->isWaitingForRegion());
    EXPECT_TRUE(layer->isHidden());
    advance(0.1);
    EXPECT_FALSE(m_view->isWaitingForRegion());
    EXPECT_FALSE(layer->isHidden());
    EXPECT_NEAR(layer->centerPoint().y, 40.71, 1e-4);
    EXPECT_NEAR(layer->centerPoint().x, -74.0, 1e-4);

    QOVLocation onTheEdge;
    onTheEdge.setCoordinate(
        LocationCoordinate{m_map->region().center.latitude + m_map->region().span.latitudeDelta, -74.0});
    EXPECT_TRUE(m_view->isLocationVisible(onTheEdge));
}

TEST_F(MapViewTest, FingersOnTheViewMoveAndZoomTheMapAndTheLayerFollows) {
    m_view->setCurrentOverlayType(MapOverlayType::radarOverlay());
    const auto layer = m_view->overlayLayer();
    moveTo(33.75, -84.39);
    advance(0.5);
    const double scale = m_map->zoomScale();
    const double west = m_map->visibleMapRect().minX();
    // A drag on the layer over the map (it takes no touches itself) reaches the map through this view.
    EXPECT_TRUE(platform::ui::ScriptTargets::drag(*layer, 200, 0));
    EXPECT_NEAR(m_map->visibleMapRect().minX(), west - 200 / scale, 1e-6);
    EXPECT_TRUE(layer->isHidden());
    EXPECT_TRUE(platform::ui::ScriptTargets::pinch(*m_view, 2.0, platform::ui::Point{384, 502}));
    EXPECT_NEAR(m_map->zoomScale(), scale * 2, 1e-9);
    advance(0.5);
    EXPECT_FALSE(layer->isHidden());
    EXPECT_NEAR(layer->centerPoint().x, m_map->centerCoordinate().longitude, 1e-4);
    EXPECT_NEAR(layer->zoomLevel(), MKMapViewQOV::actualZoomLevel(*m_map), 1e-4);
}

TEST_F(MapViewTest, TeardownStopsTheRegionTimerAndDropsTheLayer) {
    m_view->setCurrentOverlayType(MapOverlayType::radarOverlay());
    const std::weak_ptr<QOVTileLayerView> layer = m_view->overlayLayer();
    EXPECT_TRUE(m_view->isWaitingForRegion());
    m_view->teardown();
    EXPECT_FALSE(m_view->isWaitingForRegion());
    EXPECT_TRUE(layer.expired());
    EXPECT_EQ(m_map->delegate(), nullptr);
    advance(1.0);
}

}  // namespace
}  // namespace qov
