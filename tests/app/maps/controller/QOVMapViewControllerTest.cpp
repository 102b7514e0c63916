#include "app/maps/controller/QOVMapViewController.h"

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "platform/base/NotificationCenter.h"
#include "tests/app/maps/SharedMapCacheFixture.h"

namespace qov {
namespace {

// Answers every tile's point-of-interest request with the same two points.
class PointsApplicationCache : public MemoryApplicationCache {
public:
    PointsApplicationCache() : MemoryApplicationCache(nullptr) {}
    void cachedPOIType(std::int32_t type, const std::string&, POIListCallback callback) override {
        auto list = std::make_shared<QOVPOIList>();
        std::vector<std::shared_ptr<QOVPointOfInterest>> points;
        for (const char* id : {"a", "b"}) {
            auto point = std::make_shared<QOVPointOfInterest>();
            point->setPoiType(type);
            point->setPointId(id);
            point->setLatitude(33.75F);
            point->setLongitude(-84.39F);
            points.push_back(point);
        }
        list->setPoiLocations(points);
        platform::RunLoop::main().post([callback, list] { callback(list); });
    }
};

class QOVMapViewControllerTest : public qovtest::SharedMapCacheFixture {
protected:
    void SetUp() override {
        SharedMapCacheFixture::SetUp();
        ApplicationCacheFactory::sharedInstance().setCache(m_applicationCache);
        m_screen->view();  // loads: the configuration is answered at once
    }
    void TearDown() override {
        m_screen.reset();
        ApplicationCacheFactory::sharedInstance().setCache(nullptr);
        SharedMapCacheFixture::TearDown();
    }
    static std::shared_ptr<QOVLocation> place(const std::string& key, const std::string& country, bool conditions) {
        auto location = std::make_shared<QOVLocation>();
        location->setType(1);
        location->setKey(key);
        location->setNickName("Home " + key);
        location->setCountryCode(country);
        location->setCoordinate(LocationCoordinate{33.75, -84.39});
        if (conditions) {
            auto current = std::make_shared<QOVCurrentConditions>();
            current->setTemperature(70);
            location->setCurrentConditions(current);
        }
        return location;
    }

    std::shared_ptr<PointsApplicationCache> m_applicationCache = std::make_shared<PointsApplicationCache>();
    std::shared_ptr<QOVMapViewController> m_screen = std::make_shared<QOVMapViewController>();
};

TEST_F(QOVMapViewControllerTest, ThePlaceChoosesTheRadarLayerAndTitlesItsPin) {
    ASSERT_TRUE(m_screen->mapConfig());
    EXPECT_EQ(m_screen->mapLayer()->layerType(), "radar");
    ASSERT_NE(m_screen->currentOverlay(), nullptr);
    EXPECT_EQ(m_screen->currentOverlay()->series(), m_screen->mapSeries());

    m_screen->locationDataChanged(place("USGA0028", "US", true));
    const auto pin = m_screen->currentLocationAnnotation();
    EXPECT_EQ(pin->title(), "Home USGA0028 (70°F)");
    m_screen->locationDataChanged(place("USGA0028", "US", false));
    EXPECT_EQ(m_screen->currentLocationAnnotation(), pin);  // the same place again changes nothing
    // Abroad "radar" means "eurorad".
    m_screen->locationDataChanged(place("FRXX0076", "FR", false));
    EXPECT_EQ(m_screen->currentLocationAnnotation()->title(), "Home FRXX0076");
    ASSERT_NE(m_screen->mapLayer(), nullptr);
    EXPECT_EQ(m_screen->mapLayer()->layerType(), "eurorad");
    ASSERT_NE(m_screen->currentOverlay(), nullptr);
    EXPECT_EQ(m_screen->currentOverlay()->series()->layerName(), "eurorad");
}

TEST_F(QOVMapViewControllerTest, PanningRestartsTheLoopAndResigningStopsItLeavingOtherObservers) {
    int heard = 0;
    platform::NotificationCenter::defaultCenter().addObserver(m_screen.get(), "Other",
                                                              [&heard](const platform::Notification&) { ++heard; });
    m_screen->startAnimations();
    EXPECT_TRUE(m_screen->isAnimating());
    EXPECT_EQ(m_screen->currentOverlay(), nullptr);
    m_screen->mapView()->pan(platform::gfx::Point{40, 0});
    EXPECT_TRUE(m_screen->isAnimating());

    platform::NotificationCenter::defaultCenter().postNotification(QOVAppDelegate::kWillResignActiveNotification);
    loop().runUntilIdle();
    EXPECT_FALSE(m_screen->isAnimating());
    EXPECT_NE(m_screen->currentOverlay(), nullptr);
    EXPECT_TRUE(m_screen->animationRenderer()->isHidden());
    platform::NotificationCenter::defaultCenter().postNotification("Other");
    loop().runUntilIdle();
    EXPECT_EQ(heard, 1);
    m_screen->mapView()->pan(platform::gfx::Point{40, 0});
    EXPECT_FALSE(m_screen->isAnimating());
}

TEST_F(QOVMapViewControllerTest, PointsAreShownOnceAndThePinSurvivesTheSweep) {
    m_screen->locationDataChanged(place("USGA0028", "US", true));
    m_screen->requestPOIsForType(1);
    loop().runUntilIdle();
    // Every tile answers the same two points; the map shows them once, beside the pin.
    EXPECT_EQ(m_screen->mapView()->annotations().size(), 3U);
    m_screen->mapView()->setVisibleMapRect(platform::map::MapRect(1000, 1000, 100000, 100000), false);
    loop().runUntilIdle();
    const auto shown = m_screen->mapView()->annotations();
    EXPECT_NE(std::ranges::find(shown, m_screen->currentLocationAnnotation()), shown.end());
}

}  // namespace
}  // namespace qov
