#include "app/maps/MapsViewController.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/composition/ApplicationComposition.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/cache/CacheLocationSource.h"
#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/maps/model/MapLayerCatalogue.h"
#include "app/maps/options/MapsOptionsViewController.h"
#include "app/maps/overlay/QOVTileOverlayView.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "platform/base/NotificationCenter.h"
#include "platform/net/Reachability.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Application.h"
#include "platform/ui/PopupRegistry.h"
#include "tests/app/maps/SharedMapCacheFixture.h"
#include "tests/support/app/SilentDataService.h"

namespace qov {
namespace {

using platform::ui::Rect;

// Points of interest are asked for and never answered.
struct QuietApplicationCache : MemoryApplicationCache {
    QuietApplicationCache() : MemoryApplicationCache(nullptr) {}
    void cachedPOIType(std::int32_t, const std::string&, POIListCallback) override {}
};

// The maps tab in a root controller over the stand-in's tile server, at Atlanta; the data service sends nothing.
class MapsViewControllerTest : public qovtest::SharedMapCacheFixture {
protected:
    void SetUp() override {
        SharedMapCacheFixture::SetUp();
        platform::UserDefaults::resetStandard(std::make_shared<platform::UserDefaults>(home() / "defaults.plist"));
        ApplicationCacheFactory::sharedInstance().setCache(std::make_shared<QuietApplicationCache>());
        registerApplication();
        m_master->view();
        m_master->loadViewControllerIntoContentView(m_screen);
        m_screen->locationDataChanged(place("US"));
        loop().runUntilIdle();
    }
    void TearDown() override {
        platform::ui::PopupRegistry::shared().removeAll();
        m_screen.reset();
        m_master.reset();
        ApplicationCacheFactory::sharedInstance().setCache(nullptr);
        platform::UserDefaults::resetStandard(nullptr);
        SharedMapCacheFixture::TearDown();
    }
    static std::shared_ptr<QOVLocation> place(const std::string& country) {
        auto location = std::make_shared<QOVLocation>();
        location->setType(1);
        location->setKey(country == "US" ? "USGA0028" : "CAXX0504");
        location->setCountryCode(country);
        location->setCoordinate(LocationCoordinate{33.75, -84.39});
        return location;
    }
    std::string playTitle() const { return m_screen->controlToolBar()->items()[1]->title(); }
    bool playEnabled() const { return m_screen->controlToolBar()->items()[1]->isEnabled(); }
    std::shared_ptr<platform::ui::ActionSheet> sheet() const {
        return std::dynamic_pointer_cast<platform::ui::ActionSheet>(platform::ui::PopupRegistry::shared().top());
    }

    qovtest::SilentDataService m_dataService;
    std::shared_ptr<QOVMasterViewController> m_master = QOVMasterViewController::fromInterfaceFile();
    std::shared_ptr<MapsViewController> m_screen = QOVViewController::viewControllerFromNib<MapsViewController>();
};

TEST_F(MapsViewControllerTest, BarsFollowTheAdSlotOnlyWhenItsStateChangesAndNeverInFullScreen) {
    struct Step {
        const char* notification;
        Rect view, map, toolBar;
    };
    // The screen fills the content view, so its tool bar ends on the tab strip's top edge.
    const Rect hiddenView(0, 0, 320, 367), hiddenMap(0, 32, 320, 291), hiddenBar(0, 323, 320, 44);
    const Rect shownView(0, 0, 320, 317), shownMap(0, 32, 320, 241), shownBar(0, 273, 320, 44);
    ASSERT_TRUE(m_master->isAdViewHidden());  // ads are off: the screen came up in the hidden-ad layout
    EXPECT_EQ(m_screen->view()->frame(), m_master->m_contentView->bounds());
    EXPECT_EQ(m_screen->controlToolBar()->frameInWindow().maxY(), m_master->tabBar()->frameInWindow().y());
    const std::vector<Step> steps{
        {QOVMasterViewController::kAdViewHiddenNotification, hiddenView, hiddenMap, hiddenBar},
        {QOVMasterViewController::kAdViewRevealedNotification, shownView, shownMap, shownBar},
        {QOVMasterViewController::kAdViewRevealedNotification, shownView, shownMap, shownBar},
        {QOVMasterViewController::kAdViewHiddenNotification, hiddenView, hiddenMap, hiddenBar}};
    for (const auto& step : steps) {
        platform::NotificationCenter::defaultCenter().postNotification(step.notification);
        EXPECT_EQ(m_screen->view()->frame(), step.view) << step.notification;
        EXPECT_EQ(m_screen->mapView()->frame(), step.map) << step.notification;
        EXPECT_EQ(m_screen->controlToolBar()->frame(), step.toolBar) << step.notification;
    }
    m_screen->fullscreenButtonPressed();
    const Rect fullMap = m_screen->mapView()->frame();
    platform::NotificationCenter::defaultCenter().postNotification(
        QOVMasterViewController::kAdViewRevealedNotification);
    EXPECT_EQ(m_screen->mapView()->frame(), fullMap);
    EXPECT_TRUE(m_screen->isLaidOutForHiddenAd());
}

TEST_F(MapsViewControllerTest, AppearingPointsTheHostsAdSlotAtTheMapsPage) {
    const auto& ad = m_master->adView();
    ASSERT_NE(ad, nullptr);
    EXPECT_EQ(ad->page(), "/maps");
    EXPECT_EQ(ad->tab(), "explrs");
    EXPECT_EQ(ad->section(), "maps");
}

TEST_F(MapsViewControllerTest, FullScreenMovesTheBarsAndRestartsOnlyARunningLoopAtTheNewSize) {
    const Rect time = m_screen->timestampLabel()->frame();
    m_screen->fullscreenButtonPressed();
    // The root's bars go: the screen grows by the location bar and the tab strip.
    const double height = m_screen->view()->frame().height();
    EXPECT_EQ(height, 367.0 + 44.0 + 49.0);
    EXPECT_EQ(m_screen->view()->frameInWindow().maxY(), m_master->view()->frameInWindow().maxY());
    EXPECT_TRUE(m_master->isContentViewFullscreen());
    EXPECT_EQ(m_screen->controlToolBar()->frame().y(), height + 44.0);
    EXPECT_EQ(m_screen->timestampLabel()->frame().y(), height - 20.0);
    EXPECT_EQ(m_screen->mapView()->frame().height(), height - 32.0);
    EXPECT_FALSE(m_screen->fullscreenButton()->isHidden());
    EXPECT_EQ(m_screen->fullscreenButton()->frame().maxY(), height - 20.0 - 5.0);
    EXPECT_FALSE(m_screen->isAnimating());

    m_screen->startAnimations();
    m_screen->fullscreenButtonPressed();
    EXPECT_TRUE(m_screen->isAnimating());
    EXPECT_EQ(m_screen->timestampLabel()->frame(), time);
    EXPECT_EQ(m_screen->mapView()->frame(), Rect(0, 32, 320, 291));
    EXPECT_EQ(m_screen->animationRenderer()->frame(), m_screen->mapView()->frame());
    EXPECT_TRUE(m_screen->fullscreenButton()->isHidden());
}

TEST_F(MapsViewControllerTest, ThePlayButtonAndTheLegendFollowTheLayer) {
    const auto show = [this](const std::string& type) {
        auto layer = std::make_shared<QOVMapLayer>();
        layer->setLayerType(type);
        m_screen->setMapLayer(layer);
        m_screen->updateMapLegend();
        m_screen->togglePlayButtonForMapLayerWithName(type);
    };
    const auto legend = [this] {
        const auto image = m_screen->legendImageView()->image();
        return image ? image->name() : std::string("(none)");
    };
    struct Looks {
        bool playable;
        std::string legend;
    };
    // Each layer's own play button and legend, from a screen without a legend; then a layer without a legend of
    // its own (lightning) keeps that one and cannot play.
    const std::map<std::string, Looks> layers{{"satrad", {true, "Map Legend - Radar US.png"}},
                                              {"temp", {false, "Map Legend - Temperature.png"}},
                                              {"sat", {true, "Map Legend - Clouds.png"}},
                                              {"uv", {false, "Map Legend - UV Index.png"}},
                                              {"radar", {true, "Map Legend - Radar US.png"}}};
    for (const auto& [type, looks] : layers) {
        SCOPED_TRACE(type);
        m_screen->legendImageView()->setImage(nullptr);
        show(type);
        EXPECT_EQ(playEnabled(), looks.playable);
        EXPECT_EQ(legend(), looks.legend);
        show("lightning");
        EXPECT_FALSE(playEnabled());
        EXPECT_EQ(legend(), looks.legend);
    }
}

TEST_F(MapsViewControllerTest, ALayerTheServerLacksLeavesNothingOfThePreviousLayer) {
    m_screen->layerSelectedWithName("temp");
    ASSERT_NE(m_screen->legendImageView()->image(), nullptr);
    ASSERT_FALSE(m_screen->timestampLabel()->text().empty());
    m_screen->layerSelectedWithName("lightning");
    EXPECT_EQ(m_screen->mapLayer(), nullptr);
    EXPECT_EQ(m_screen->legendImageView()->image(), nullptr);
    EXPECT_EQ(m_screen->timestampLabel()->text(), "");
    EXPECT_EQ(m_screen->currentOverlay(), nullptr);
    EXPECT_TRUE(m_screen->animationSlider()->isHidden());
}

TEST_F(MapsViewControllerTest, TheFutureLoopRunsForwardInTime) {
    m_screen->layerSelectedWithName("radar");
    m_screen->mapLayer()->setFutureSeriesAnimation(true);
    const auto frames = m_screen->mapLayer()->animationSeries(m_cache->currentTileConfig().get());
    ASSERT_GE(frames.size(), 2U);
    // The loop plays from the last frame to the first: each frame is later than the one after it.
    for (std::size_t index = 1; index < frames.size(); ++index) {
        EXPECT_GT(std::stoll(frames[index - 1]->unixDate()), std::stoll(frames[index]->unixDate())) << index;
    }
    m_screen->startAnimations();
    EXPECT_EQ(m_screen->animationManager()->totalFrames(), frames.size());
}

// The current place as the application cache answers it, for screens that listen for it.
struct AtlantaIsCurrent : CacheLocationSource {
    std::shared_ptr<QOVLocationIdentity> currentLocation() override {
        return std::make_shared<QOVLocationIdentity>(1, "USGA0028");
    }
    bool favoritesContainsLocation(const QOVLocationIdentity&) override { return false; }
};

TEST_F(MapsViewControllerTest, AfterAMemoryWarningTheReloadedMapIsCentredPinnedAndOverlaidAgain) {
    auto atlanta = place("US");
    atlanta->setCity("Atlanta");
    atlanta->setState("GA");
    auto conditions = std::make_shared<QOVCurrentConditions>();
    conditions->setTemperature(45);
    atlanta->setCurrentConditions(conditions);
    const auto source = std::make_shared<AtlantaIsCurrent>();
    const auto cache = ApplicationCacheFactory::sharedInstance().cache();
    cache->setLocationSource(source);
    cache->storeLocation(atlanta);

    // Another tab takes the content area: the maps screen's view leaves the window and a warning unloads it.
    m_screen->view()->removeFromSuperview();
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationDidReceiveMemoryWarningNotification);
    ASSERT_FALSE(m_screen->isViewLoaded());
    EXPECT_EQ(m_screen->mapView(), nullptr);

    m_master->loadViewControllerIntoContentView(m_screen);
    loop().runUntilIdle();
    const auto& map = m_screen->mapView();
    ASSERT_NE(map, nullptr);
    EXPECT_NE(m_screen->currentOverlay(), nullptr);
    ASSERT_NE(m_screen->currentLocationAnnotation(), nullptr);
    EXPECT_EQ(m_screen->currentLocationAnnotation()->title(), "Atlanta, GA (45°F)");
    EXPECT_EQ(map->annotations().size(), 1U);
    EXPECT_NEAR(map->centerCoordinate().latitude, 33.75, 0.01);
    EXPECT_NEAR(map->centerCoordinate().longitude, -84.39, 0.01);
    cache->setLocationSource(nullptr);
}

TEST_F(MapsViewControllerTest, OfflineTheStoredListServesALoopAndALayerChangeAndTheNetworkBringsTheFreshOne) {
    const auto stored = m_cache->currentTileConfig();
    platform::net::Reachability::shared()->setReachable(false);
    advance(1500.0);
    ASSERT_TRUE(stored->isStale());
    const auto shows = [this](const std::string& legend) {
        return m_screen->currentOverlay() != nullptr && m_screen->legendImageView()->image() &&
               m_screen->legendImageView()->image()->name() == legend && !m_screen->timestampLabel()->text().empty();
    };

    // A loop, and a layer chosen while it plays.
    m_screen->startAnimations();
    ASSERT_TRUE(m_screen->isAnimating());
    m_screen->layerSelectedWithName("sat");
    EXPECT_TRUE(shows("Map Legend - Clouds.png"));
    m_screen->startAnimations();
    ASSERT_TRUE(settleSeriesList());

    // The screen's view goes and comes back while the list is stale: the stored list answers it at once.
    m_screen->view()->removeFromSuperview();
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationDidReceiveMemoryWarningNotification);
    m_master->loadViewControllerIntoContentView(m_screen);
    EXPECT_EQ(m_screen->mapConfig(), stored);
    EXPECT_TRUE(shows("Map Legend - Clouds.png"));
    const std::string storedTime = m_screen->timestampLabel()->text();
    m_screen->optionsButtonPressed();
    const auto options = std::dynamic_pointer_cast<MapsOptionsViewController>(m_master->modalViewController());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->tableViewNumberOfRowsInSection(*options->optionsTable(), 0),
              static_cast<int>(MapLayerCatalogue::optionsOrder().size()));
    options->dismiss();
    m_screen->startAnimations();
    ASSERT_TRUE(settleSeriesList());
    EXPECT_EQ(requestCount("/TileServer/serieslist.do"), 1U);

    // The network returns: the fresh list arrives without anyone asking, and the loop plays on over it.
    platform::net::Reachability::shared()->setReachable(true);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_screen->mapConfig() != stored; }));
    EXPECT_FALSE(m_screen->mapConfig()->isStale());
    EXPECT_TRUE(m_screen->isAnimating());
    m_screen->stopAnimations();
    EXPECT_TRUE(shows("Map Legend - Clouds.png"));
    EXPECT_NE(m_screen->timestampLabel()->text(), storedTime);
}

TEST_F(MapsViewControllerTest, PlayAsksForPastOrFutureInTheUSAndPlaysAtOnceElsewhere) {
    ASSERT_TRUE(playEnabled());
    m_screen->playButtonPressed();
    ASSERT_NE(sheet(), nullptr);
    EXPECT_EQ(sheet()->buttonTitleAtIndex(0), "Past");
    EXPECT_EQ(sheet()->buttonTitleAtIndex(1), "Future");
    sheet()->clickButtonAtIndex(2);  // Cancel: nothing starts, the layer keeps its flag
    EXPECT_FALSE(m_screen->isAnimating());
    EXPECT_FALSE(m_screen->mapLayer()->futureSeriesAnimation());

    m_screen->playButtonPressed();
    sheet()->clickButtonAtIndex(1);
    EXPECT_TRUE(m_screen->mapLayer()->futureSeriesAnimation());
    EXPECT_TRUE(m_screen->isAnimating());
    EXPECT_EQ(playTitle(), "Pause");
    m_screen->playButtonPressed();
    EXPECT_EQ(playTitle(), "Play");
    EXPECT_TRUE(m_screen->animationSlider()->isHidden());

    // Outside the US (here a layer the stand-in has: the configuration keeps "radar") the loop starts at once.
    m_screen->locationDataChanged(place("CA"));
    m_screen->setMapLayer(m_cache->currentTileConfig()->tileSeriesForLayer("radar"));
    m_screen->playButtonPressed();
    EXPECT_EQ(platform::ui::PopupRegistry::shared().top(), nullptr);
    EXPECT_TRUE(m_screen->isAnimating());
    EXPECT_FALSE(m_screen->animationSlider()->isHidden());
    EXPECT_EQ(m_screen->animationSlider()->maximumValue(), m_screen->animationManager()->totalFrames() - 1.0);
}

TEST_F(MapsViewControllerTest, ALoopWithoutLayerOrFramesIsRefusedAndTheButtonStaysOnPlay) {
    auto empty = std::make_shared<QOVMapLayer>();
    empty->setLayerType("radar");
    for (const auto& layer : {std::shared_ptr<QOVMapLayer>(), empty}) {
        m_screen->setMapLayer(layer);
        const auto overlay = m_screen->currentOverlay();
        m_screen->startAnimations();
        EXPECT_FALSE(m_screen->isAnimating());
        EXPECT_TRUE(m_screen->showsPlay());
        EXPECT_EQ(playTitle(), "Play");
        EXPECT_EQ(m_screen->currentOverlay(), overlay);  // the map keeps what it showed
    }
    // The Past/Future choice without a layer changes nothing.
    m_screen->actionSheetClickedButtonAtIndex(*std::make_shared<platform::ui::ActionSheet>("Choose Animation"), 0);
    EXPECT_FALSE(m_screen->isAnimating());
}

TEST_F(MapsViewControllerTest, ALayerChosenMidLoadEndsTheLoopAndThePinOutlivesAPointTypeChange) {
    m_screen->startAnimations();
    ASSERT_TRUE(qovtest::pumpUntil([this] { return m_screen->animationManager()->framesRendered() > 0; }, 30.0));
    m_screen->layerSelectedWithName("satrad");
    EXPECT_FALSE(m_screen->isAnimating());
    EXPECT_EQ(m_screen->mapLayer()->layerType(), "satrad");
    EXPECT_EQ(m_screen->currentOverlay()->series()->layerName(), "satrad");
    const auto rendered = m_screen->animationManager()->framesRendered();
    loop().runFor(2.0);
    EXPECT_EQ(m_screen->animationManager()->framesRendered(), rendered);  // nothing of the old loop arrives

    m_screen->startAnimations();
    EXPECT_EQ(m_screen->animationManager()->mapLayer()->layerType(), "satrad");

    m_screen->poiSelectedWithType(1);
    EXPECT_FALSE(m_screen->isAnimating());
    EXPECT_EQ(m_screen->mapView()->annotations(),
              std::vector<std::shared_ptr<platform::map::Annotation>>{m_screen->currentLocationAnnotation()});
}

TEST_F(MapsViewControllerTest, OptionsOpenWithTheCurrentChoicesAndApplyThemAtOnce) {
    m_screen->setOverlayAlpha(0.5);
    m_screen->optionsButtonPressed();
    const auto options = std::dynamic_pointer_cast<MapsOptionsViewController>(m_master->modalViewController());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->selectedLayerName(), "radar");
    EXPECT_EQ(options->currentMapTransparency(), 0.5F);
    ASSERT_NE(options->optionsTable(), nullptr);

    options->tableViewDidSelectRow(*options->optionsTable(), platform::ui::IndexPath{2, 2});
    EXPECT_EQ(m_screen->mapView()->mapType(), platform::map::MapType::Hybrid);
    m_screen->mapTransparencySelected(0.25F);
    EXPECT_EQ(m_screen->currentOverlay()->view()->tileAlpha(), 0.25);
    options->dismiss();
    EXPECT_EQ(m_master->modalViewController(), nullptr);
}

TEST_F(MapsViewControllerTest, TheTropicalSectionLiesOverTheMapUntilItHandsTheUserBack) {
    m_screen->tdxViewButtonPressed();
    const auto tropical = m_screen->tdxToolViewController();
    ASSERT_NE(tropical, nullptr);
    EXPECT_EQ(tropical->view()->superview(), m_screen->view());
    EXPECT_EQ(tropical->view()->frame(), Rect(0, 0, 320, 411));
    EXPECT_EQ(tropical->toolBar()->frame(), Rect(0, 367, 320, 44));
    EXPECT_TRUE(m_master->isLocationBarHidden());
    EXPECT_EQ(tropical->requestIndex(), 1);

    tropical->toolBar()->tapText("Map");
    EXPECT_EQ(tropical->view()->superview(), nullptr);
    EXPECT_FALSE(m_master->isLocationBarHidden());

    // Shown again, the screen keeps the section only when it asked to stay.
    for (const bool remain : {true, false}) {
        m_screen->view()->addSubview(tropical->view());
        m_screen->shouldTDXViewRemain(remain);
        m_screen->viewWillAppear(false);
        EXPECT_EQ(tropical->view()->superview() != nullptr, remain);
    }
}

TEST_F(MapsViewControllerTest, PreloadProgressShowsOnlyAboveFivePercent) {
    for (const auto& [given, shown] : std::vector<std::pair<float, double>>{{0.05F, 0.0}, {0.0F, 0.0}, {0.5F, 0.5}}) {
        m_screen->setPreloadProgress(given);
        EXPECT_FLOAT_EQ(float(m_screen->progressView()->progress()), float(shown)) << given;
    }
}

}  // namespace
}  // namespace qov
