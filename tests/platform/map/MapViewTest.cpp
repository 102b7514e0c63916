#include "platform/map/MapView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "platform/geo/ScriptedPositionSource.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/map/Circle.h"
#include "platform/map/MapViewGrid.h"
#include "platform/map/PinAnnotationView.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/TouchPanel.h"
#include "platform/ui/Window.h"
#include "tests/support/ManualClockFixture.h"

namespace platform::map {
namespace {

constexpr double W = kMapWorldWidth;

class RecordingDelegate : public MapViewDelegate {
public:
    void regionWillChangeAnimated(MapView&, bool animated) override { calls.push_back(animated ? "will+" : "will"); }
    void regionDidChangeAnimated(MapView&, bool animated) override { calls.push_back(animated ? "did+" : "did"); }
    std::shared_ptr<OverlayView> viewForOverlay(MapView&, const std::shared_ptr<Overlay>& overlay) override {
        return overlayView ? overlayView : std::make_shared<OverlayView>(overlay);
    }
    std::shared_ptr<AnnotationView> viewForAnnotation(MapView& map,
                                                      const std::shared_ptr<Annotation>& annotation) override {
        if (std::dynamic_pointer_cast<UserLocation>(annotation)) {
            return nullptr;
        }
        auto view = map.dequeueReusableAnnotationViewWithIdentifier("pin");
        if (!view) {
            view = std::make_shared<PinAnnotationView>(annotation, "pin");
            view->setCanShowCallout(true);
            ++made;
        }
        return view;
    }

    std::vector<std::string> calls;
    std::shared_ptr<OverlayView> overlayView;
    int made = 0;
};

// Records the tiles it is asked to draw; refuses the ones west of its limit.
class RecordingOverlayView : public OverlayView {
public:
    using OverlayView::OverlayView;
    bool canDrawMapRect(const MapRect& rect, double) const override { return rect.minX() >= drawableFromX; }
    void drawMapRect(const MapRect& rect, double zoomScale, gfx::BitmapContext&) const override {
        drawn.push_back(rect);
        scales.push_back(zoomScale);
    }
    double drawableFromX = 0.0;
    mutable std::vector<MapRect> drawn;
    mutable std::vector<double> scales;
};

class WorldOverlay : public Overlay {
public:
    MapRect boundingMapRect() const override { return kMapRectWorld; }
};

class MapViewTest : public qovtest::ManualClockFixture {
protected:
    MapViewTest() { m_map->setDelegate(m_delegate); }

    std::shared_ptr<MapView> m_map = std::make_shared<MapView>(ui::Rect{0, 0, 320, 480});
    std::shared_ptr<RecordingDelegate> m_delegate = std::make_shared<RecordingDelegate>();
};

TEST_F(MapViewTest, TheVisibleRectFitsTheBoundsAndGivesTheZoomScale) {
    struct Case {
        MapRect asked;
        MapRect shown;
    };
    const Case cases[] = {
        {{1000, 2000, 320, 480}, {1000, 2000, 320, 480}},      // already in proportion
        {{1000, 2000, 640, 480}, {1000, 1760, 640, 960}},      // grown in height around the centre
        {{1000, 2000, 10, 10}, {925, 1885, 160, 240}},         // at most two points per map point
        {{-100, 0, 320, 480}, {W - 100, 0, 320, 480}},         // west of the world wraps east
        {{0, W - 100, 320, 480}, {0, W - 480, 320, 480}},      // kept inside the world north to south
        {{0, 0, 4 * W, 4 * W}, {W * 2 / 3, 0, W * 2 / 3, W}},  // at most the world
    };
    for (const Case& c : cases) {
        m_map->setVisibleMapRect(c.asked, false);
        const MapRect shown = m_map->visibleMapRect();
        EXPECT_NEAR(shown.minX(), c.shown.minX(), 1e-6) << c.asked.description();
        EXPECT_NEAR(shown.minY(), c.shown.minY(), 1e-6) << c.asked.description();
        EXPECT_NEAR(shown.width(), c.shown.width(), 1e-6) << c.asked.description();
        EXPECT_NEAR(shown.height(), c.shown.height(), 1e-6) << c.asked.description();
        EXPECT_DOUBLE_EQ(m_map->zoomScale(), 320.0 / c.shown.width());
    }
    EXPECT_EQ(std::make_shared<MapView>()->zoomScale(), 0.0);
}

TEST(MapViewWithoutSizeTest, KeepsTheAskedRectButNeverMoreThanTheWorld) {
    MapView map(ui::Rect{0, 0, 0, 0});
    map.setVisibleMapRect({1000, 2000, 640, 480}, false);
    EXPECT_EQ(map.visibleMapRect(), (MapRect{1000, 2000, 640, 480})) << "nothing to fit yet";
    map.setVisibleMapRect({0, 0, 4 * W, 2 * W}, false);
    const MapRect shown = map.visibleMapRect();
    EXPECT_EQ(shown.width(), W);
    EXPECT_EQ(shown.height(), W);
    EXPECT_EQ(shown.minY(), 0.0);
}

TEST_F(MapViewTest, RegionsRoundTripAndChangesAreToldAroundThem) {
    const CoordinateRegion atlanta{{33.749, -84.388}, {0.3, 0.2}};
    const CoordinateRegion fitted = m_map->regionThatFits(atlanta);
    m_map->setRegion(fitted, true);
    EXPECT_EQ(m_delegate->calls, (std::vector<std::string>{"will+", "did+"}));
    EXPECT_TRUE(m_map->lastChangeAnimated());
    EXPECT_NEAR(m_map->region().center.latitude, 33.749, 1e-9);
    EXPECT_NEAR(m_map->region().center.longitude, -84.388, 1e-9);
    EXPECT_NEAR(m_map->region().span.latitudeDelta, fitted.span.latitudeDelta, 1e-9);
    EXPECT_NEAR(m_map->region().span.longitudeDelta, fitted.span.longitudeDelta, 1e-9);
    EXPECT_GE(fitted.span.latitudeDelta, 0.3 - 1e-9);  // the region asked for is all in sight
    EXPECT_GE(fitted.span.longitudeDelta, 0.2 - 1e-9);
    // The same region again changes nothing and tells nothing.
    m_map->setRegion(fitted, false);
    EXPECT_EQ(m_delegate->calls.size(), 2u);
    const ui::Point middle = m_map->convertCoordinate({33.749, -84.388});
    EXPECT_NEAR(middle.x, 160.0, 1e-6);
    EXPECT_NEAR(middle.y, 240.0, 1e-6);
    EXPECT_NEAR(m_map->convertPoint(ui::Point{160, 240}).longitude, -84.388, 1e-9);
}

TEST_F(MapViewTest, AcrossTheAntimeridianPlacesShowOnBothSides) {
    m_map->setRegion({{-17.0, 180.0}, {20.0, 20.0}}, false);
    EXPECT_TRUE(m_map->visibleMapRect().spansAntimeridian());
    auto fiji = std::make_shared<PointAnnotation>(geo::Coordinate{-17.8, 178.0}, "Suva");
    auto samoa = std::make_shared<PointAnnotation>(geo::Coordinate{-13.8, -171.8}, "Apia");
    auto hawaii = std::make_shared<PointAnnotation>(geo::Coordinate{21.3, -157.8}, "Honolulu");
    m_map->addAnnotations({fiji, samoa, hawaii});
    EXPECT_EQ(m_map->annotationsInMapRect(m_map->visibleMapRect()),
              (std::vector<std::shared_ptr<Annotation>>{fiji, samoa}));
    EXPECT_LT(m_map->convertCoordinate(fiji->coordinate()).x, 160.0);
    EXPECT_GT(m_map->convertCoordinate(samoa->coordinate()).x, 160.0);
    EXPECT_LT(m_map->convertCoordinate(samoa->coordinate()).x, 320.0);
    EXPECT_NE(m_map->viewForAnnotation(samoa), nullptr);
    EXPECT_EQ(m_map->viewForAnnotation(hawaii), nullptr);
}

TEST_F(MapViewTest, OverlaysAreAskedToDrawTheTilesOfTheGridInSight) {
    auto overlay = std::make_shared<WorldOverlay>();
    auto view = std::make_shared<RecordingOverlayView>(overlay);
    m_delegate->overlayView = view;
    m_map->setRegion({{33.7, -84.4}, {8.0, 8.0}}, false);
    m_map->addOverlay(overlay);
    const double scale = m_map->zoomScale();
    const int level = MapViewGrid::levelForZoomScale(scale);
    const double tile = W / std::pow(2.0, level);
    view->drawableFromX = std::floor(m_map->visibleMapRect().midX() / tile) * tile;
    ui::ScreenRenderer::renderView(*m_map);

    EXPECT_GT(tile * scale, 256.0 / std::sqrt(2.0) - 1e-9);  // the level whose tiles come closest to 256 points
    EXPECT_LT(tile * scale, 256.0 * std::sqrt(2.0) + 1e-9);
    ASSERT_FALSE(view->drawn.empty());
    MapRect covered;
    for (const MapRect& rect : view->drawn) {
        EXPECT_EQ(rect.width(), tile);
        EXPECT_EQ(std::fmod(rect.minX(), tile), 0.0);
        EXPECT_EQ(std::fmod(rect.minY(), tile), 0.0);
        EXPECT_GE(rect.minX(), view->drawableFromX);  // tiles it cannot draw yet are skipped
        covered = covered.unionWith(rect);
    }
    EXPECT_EQ(view->scales.front(), scale);
    const MapRect& visible = m_map->visibleMapRect();
    EXPECT_TRUE(covered.contains(
        MapRect{view->drawableFromX, visible.minY(), visible.maxX() - view->drawableFromX, visible.height()}));

    view->setNeedsDisplayInMapRect(MapRect{0, 0, 10, 10}, scale);
    EXPECT_EQ(m_map->pendingRedraws(), (std::vector<MapRect>{{0, 0, 10, 10}}));
    m_map->removeOverlay(overlay);
    EXPECT_TRUE(m_map->overlays().empty());
    view->setNeedsDisplay();
    EXPECT_EQ(m_map->pendingRedraws().size(), 1u);  // a removed view no longer reaches the map
}

TEST_F(MapViewTest, GridCellsStayInTheWorld) {
    EXPECT_EQ(MapViewGrid::levelForZoomScale(0.0), 0);
    EXPECT_EQ(MapViewGrid::levelForZoomScale(std::nan("")), 0);
    EXPECT_EQ(MapViewGrid::levelForZoomScale(1e9), MapViewGrid::kGrid.maxLevel());
    const auto cells = MapViewGrid::kGrid.cellsCovering(MapRect{W - 10, -50, 20, W + 100}, 1);
    ASSERT_EQ(cells.size(), 4u);  // two rows, and a column on each side of the antimeridian
    EXPECT_EQ(cells[1].tile, (MapRect{0, 0, W / 2, W / 2}));
    EXPECT_EQ(cells[1].placed, (MapRect{W, 0, W / 2, W / 2}));
    EXPECT_TRUE(MapViewGrid::kGrid.cellsCovering(MapRect{1e300, 0, 10, 10}, 3).size() <= 1u);
    EXPECT_TRUE(
        MapViewGrid::kGrid.cellsCovering(kMapRectWorld, MapViewGrid::kGrid.maxLevel()).empty());  // far too many
    EXPECT_TRUE(MapViewGrid::kGrid.cellsCovering(MapRect{0, std::nan(""), 10, 10}, 3).empty());
}

TEST_F(MapViewTest, AnnotationViewsAreReusedAndSelectionShowsACallout) {
    m_map->setRegion({{33.7, -84.4}, {2.0, 2.0}}, false);
    auto atlanta = std::make_shared<PointAnnotation>(geo::Coordinate{33.749, -84.388}, "Atlanta", "Georgia");
    auto athens = std::make_shared<PointAnnotation>(geo::Coordinate{33.96, -83.38}, "Athens");
    m_map->addAnnotations({atlanta, athens});
    EXPECT_EQ(m_delegate->made, 2);
    const auto pin = m_map->viewForAnnotation(atlanta);
    ASSERT_NE(pin, nullptr);
    const ui::Point place = m_map->convertCoordinate(atlanta->coordinate());
    EXPECT_NEAR(pin->frame().midX(), place.x, 1e-9);
    EXPECT_NEAR(pin->frame().maxY(), place.y, 1e-9);  // the needle's tip
    // A picture given to the view is drawn where the view stands.
    gfx::BitmapContext square(10, 10);
    square.fillRect(ui::Rect(0, 0, 10, 10), gfx::Color::rgba(0, 0, 1));
    pin->setImage(square.makeImage());
    const auto picture = ui::ScreenRenderer::renderView(*m_map);
    EXPECT_EQ(picture->pixel(int(pin->center().x), int(pin->center().y)), gfx::Color::rgba(0, 0, 1));

    EXPECT_TRUE(pin->tapText("Atlanta"));
    EXPECT_EQ(m_map->selectedAnnotations(), (std::vector<std::shared_ptr<Annotation>>{atlanta}));
    const std::string dump = ui::ScreenDump::dumpView(*m_map);
    EXPECT_NE(dump.find("\"Georgia\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("annotations: 2"), std::string::npos) << dump;

    // Moving away pools the views; coming back takes them from the pool.
    m_map->setCenterCoordinate({0.0, 0.0}, false);
    EXPECT_EQ(m_map->viewForAnnotation(atlanta), nullptr);
    m_map->setCenterCoordinate({33.7, -84.4}, false);
    EXPECT_EQ(m_delegate->made, 2);
    m_map->removeAnnotation(atlanta);
    EXPECT_TRUE(m_map->selectedAnnotations().empty());
    EXPECT_EQ(m_map->annotations(), (std::vector<std::shared_ptr<Annotation>>{athens}));
}

TEST_F(MapViewTest, GesturesHonourTheInteractionFlags) {
    m_map->setRegion({{0.0, 0.0}, {10.0, 10.0}}, false);
    const MapRect before = m_map->visibleMapRect();
    EXPECT_TRUE(m_map->pan(ui::Point{100, 0}));
    EXPECT_NEAR(m_map->visibleMapRect().minX(), before.minX() - 100 / m_map->zoomScale(), 1e-6);
    EXPECT_TRUE(m_map->pinch(2.0));
    EXPECT_NEAR(m_map->visibleMapRect().width(), before.width() / 2, 1e-6);
    m_map->setScrollEnabled(false);
    m_map->setZoomEnabled(false);
    EXPECT_FALSE(m_map->pan(ui::Point{100, 0}));
    EXPECT_FALSE(m_map->pinch(2.0));
    EXPECT_FALSE(m_map->pinch(-1.0));
}

TEST_F(MapViewTest, FingersPanAndZoomTheMapAsOnADevice) {
    ui::Application::resetShared();
    const auto window = std::make_shared<ui::Window>();
    window->addSubview(m_map);
    window->makeKeyAndVisible();
    m_map->setRegion({{33.7, -84.4}, {10.0, 10.0}}, false);
    auto pin = std::make_shared<PointAnnotation>();
    pin->setCoordinate({33.7, -84.4});
    m_map->addAnnotation(pin);
    m_map->layoutIfNeeded();
    m_delegate->calls.clear();

    // A finger dragging on the map, or on a pin, pans it; the delegate hears the move around it.
    MapRect before = m_map->visibleMapRect();
    const double scale = m_map->zoomScale();
    EXPECT_EQ(ui::TouchPanel::drag(ui::Point{40, 400}, 100, -20), std::nullopt);
    EXPECT_NEAR(m_map->visibleMapRect().minX(), before.minX() - 100 / scale, 1e-6);
    EXPECT_NEAR(m_map->visibleMapRect().minY(), before.minY() + 20 / scale, 1e-6);
    EXPECT_EQ(m_delegate->calls, (std::vector<std::string>{"will", "did"}));
    const ui::Point onPin = m_map->convertCoordinate({33.7, -84.4});
    before = m_map->visibleMapRect();
    EXPECT_EQ(ui::TouchPanel::drag(ui::Point{onPin.x, onPin.y - 20}, -30, 0), std::nullopt);
    EXPECT_NEAR(m_map->visibleMapRect().minX(), before.minX() + 30 / scale, 1e-6);

    // Two fingers zoom around their middle: the place under them stays there.
    const ui::Point fingers{80, 120};
    const geo::Coordinate held = m_map->convertPoint(fingers);
    before = m_map->visibleMapRect();
    EXPECT_EQ(ui::TouchPanel::pinch(fingers, 2.0), std::nullopt);
    EXPECT_NEAR(m_map->visibleMapRect().width(), before.width() / 2, 1e-6);
    const ui::Point after = m_map->convertCoordinate(held);
    EXPECT_NEAR(after.x, fingers.x, 1e-6);
    EXPECT_NEAR(after.y, fingers.y, 1e-6);

    // The runner's gestures: a double tap zooms in, a pinch below 1 zooms out, a drag pans.
    std::ostringstream output;
    ui::ScreenScript script(output);
    before = m_map->visibleMapRect();
    script.execute("tap --taps 2 @MapView");
    EXPECT_NEAR(m_map->visibleMapRect().width(), before.width() / 2, 1e-6);
    script.execute("pinch @MapView 0.25");
    EXPECT_NEAR(m_map->visibleMapRect().width(), before.width() * 2, 1e-6);
    script.execute("drag @MapView 50 0");
    script.execute("pinch @MapView 0");
    script.execute("pinch @Label 2");
    EXPECT_EQ(script.failures(), 2) << output.str();
    EXPECT_NE(output.str().find("pinch needs what to pinch and a scale above 0"), std::string::npos);

    // A map that may not move stays put.
    m_map->setScrollEnabled(false);
    m_map->setZoomEnabled(false);
    EXPECT_EQ(ui::TouchPanel::drag(ui::Point{40, 400}, 100, 0), "nothing scrolls at that point");
    EXPECT_EQ(ui::TouchPanel::pinch(ui::Point{40, 400}, 2.0), "nothing zooms at that point");
    ui::Application::resetShared();
}

TEST_F(MapViewTest, ADoubleTapZoomsInTwiceKeepingThePlaceUnderTheFinger) {
    // The map sits 40 points down the window, as a map under a bar does.
    ui::Application::resetShared();
    const auto window = std::make_shared<ui::Window>();
    window->addSubview(m_map);
    window->makeKeyAndVisible();
    m_map->setFrame(ui::Rect{0, 40, 320, 400});
    struct Case {
        const char* how;
        geo::Coordinate held;  // the place under the finger, or the middle for a script's tap of the map
    };
    for (const Case& c : {Case{"tap at the place", {35.5, -86.0}}, Case{"tap --taps 2 @MapView", {33.7, -84.4}}}) {
        SCOPED_TRACE(c.how);
        m_map->setRegion({{33.7, -84.4}, {10.0, 10.0}}, false);
        const double span = m_map->region().span.longitudeDelta;
        const ui::Point under = m_map->convertCoordinate(c.held);
        if (std::string(c.how) == "tap at the place") {
            EXPECT_EQ(ui::TouchPanel::tap(ui::Point{under.x, under.y + 40}, 2), std::nullopt);
        } else {
            std::ostringstream output;
            ui::ScreenScript(output).execute(c.how);
        }
        EXPECT_NEAR(m_map->region().span.longitudeDelta, span / 2, 1e-9);
        const geo::Coordinate after = m_map->convertPoint(under);
        EXPECT_NEAR(after.latitude, c.held.latitude, 1e-9);
        EXPECT_NEAR(after.longitude, c.held.longitude, 1e-9);
    }
    ui::Application::resetShared();
}

TEST_F(MapViewTest, TheUserLocationShowsOnceThereIsAFix) {
    auto source = std::make_shared<geo::ScriptedPositionSource>();
    geo::PositionSource::setShared(source);
    m_map->setRegion({{33.7, -84.4}, {2.0, 2.0}}, false);
    m_map->setShowsUserLocation(true);
    EXPECT_TRUE(m_map->annotations().empty());
    source->startUpdatingLocation();
    source->pushFix(geo::Coordinate{33.75, -84.39});
    advance(0.0);
    m_map->setCenterCoordinate({33.75, -84.39}, false);
    EXPECT_TRUE(m_map->isUserLocationVisible());
    ASSERT_FALSE(m_map->annotations().empty());
    EXPECT_EQ(m_map->annotations().front(), m_map->userLocation());
    ASSERT_NE(m_map->viewForAnnotation(m_map->userLocation()), nullptr);
    // The dot follows the next fix at the next render.
    source->pushFix(geo::Coordinate{33.80, -84.39});
    advance(0.0);
    ui::ScreenRenderer::renderView(*m_map);
    EXPECT_NEAR(m_map->viewForAnnotation(m_map->userLocation())->center().y,
                m_map->convertCoordinate({33.80, -84.39}).y, 1e-9);
    m_map->setShowsUserLocation(false);
    EXPECT_EQ(m_map->viewForAnnotation(m_map->userLocation()), nullptr);
    geo::PositionSource::setShared(nullptr);
}

}  // namespace
}  // namespace platform::map
