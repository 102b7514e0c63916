#include "app/legacymaps/screens/LegacyMapsViewController.h"

#include "app/legacymaps/preferences/UserPreferences.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/Window.h"
#include "sim/Fault.h"
#include "tests/app/legacymaps/LegacyMapsFixture.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

using platform::gfx::Rect;
using platform::ui::DeviceOrientation;

// The screen as the runner shows it: on a pad, loaded from its interface file, in the key window.
class LegacyMapsViewControllerTest : public qovtest::LegacyMapsFixture {
protected:
    void SetUp() override {
        LegacyMapsFixture::SetUp();
        platform::ui::Application::resetShared();
        platform::UserDefaults::resetStandard(
            std::make_shared<platform::UserDefaults>(m_home.path() / "defaults.plist"));
        UserPreferences::sharedInstance().loadPreferences();
        QOVTileSeries::setSharedInstance(QOVTileSeries::create(simUrl(), simUrl()));
        platform::ui::Device::current().setUserInterfaceIdiom(platform::ui::UserInterfaceIdiom::Pad);
        platform::ui::Screen::setSize(platform::ui::Screen::kPadSize);
        registerLegacyMapInterfaceFiles();
        m_screen = QOVViewController::viewControllerFromNib<LegacyMapsViewController>();
        m_window = std::make_shared<platform::ui::Window>();
        m_window->setRootViewController(m_screen);
        m_window->makeKeyAndVisible();
    }
    void TearDown() override {
        m_window.reset();
        m_screen.reset();
        QOVTileSeries::setSharedInstance(nullptr);
        platform::UserDefaults::resetStandard(nullptr);
        platform::ui::Application::resetShared();
        LegacyMapsFixture::TearDown();
    }

    qovtest::TempHome m_home;
    std::shared_ptr<LegacyMapsViewController> m_screen;
    std::shared_ptr<platform::ui::Window> m_window;
};

TEST_F(LegacyMapsViewControllerTest, TheBarDrivesTheMapAndTurnsWithTheScreen) {
    ASSERT_TRUE(m_screen->qovMapView);
    const auto bar = m_screen->mapControlBar();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->superview(), m_screen->view());
    const auto layer = m_screen->qovMapView->overlayLayer();
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->mapType(), MapOverlayType::radarOverlay());

    bar->playStopButton()->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    EXPECT_TRUE(layer->isAnimating());
    advance(0.5);
    EXPECT_FALSE(m_screen->qovMapView->isWaitingForRegion());
    EXPECT_TRUE(m_window->turnToInterfaceOrientation(DeviceOrientation::LandscapeLeft, 0.3));
    EXPECT_EQ(bar->frame(), Rect(148, 470, 728, 160));
    EXPECT_TRUE(m_screen->qovMapView->isWaitingForRegion());

    platform::ui::Button play;
    play.setTitle("Play");
    m_screen->playButtonPressed(play);
    EXPECT_EQ(play.currentTitle(), "Stop");
    EXPECT_TRUE(m_screen->isPlaying());
    m_screen->playButtonPressed(play);
    EXPECT_EQ(play.currentTitle(), "Play");
    EXPECT_FALSE(layer->isAnimating());
}

TEST_F(LegacyMapsViewControllerTest, AWarningEmptiesTheTileCacheWhileTheMapGoesOnShowingItsTiles) {
    const auto layer = m_screen->qovMapView->overlayLayer();
    ASSERT_TRUE(layer);
    const auto settled = [&] {
        platform::RunLoop::main().runUntilIdle();
        return qovtest::pumpUntil([&] { return layer->loadingCount() == 0; }, 20.0);
    };
    const auto tileRequests = [&] {
        std::size_t count = 0;
        for (const auto& request : sim().requestLog()) {
            count += qovsim::globMatches("/TileServer/imgs/*", request.path) ? 1 : 0;
        }
        return count;
    };
    advance(QOVTileSeries::kFirstRequestDelay);
    ASSERT_TRUE(qovtest::pumpUntil([] { return QOVTileSeries::sharedInstance()->loaded(); }));
    m_screen->qovMapView->orientationChanged();
    advance(0.5);
    ASSERT_TRUE(settled());
    ASSERT_GT(layer->shownSubViewCount(), 0U);
    ASSERT_GT(layer->cachedTileCount(), 0U);
    const std::string shown = platform::ui::ScreenDump::dumpScreen();
    const std::size_t fetched = tileRequests();

    platform::ui::Application::shared().receiveMemoryWarning();
    EXPECT_TRUE(m_screen->isViewLoaded()) << "the screen in front keeps its view";
    EXPECT_EQ(m_screen->qovMapView->overlayLayer(), layer);
    EXPECT_EQ(layer->cachedTileCount(), 0U);
    EXPECT_EQ(platform::ui::ScreenDump::dumpScreen(), shown);

    // The next redraw asks for the tiles again and shows them.
    m_screen->qovMapView->orientationChanged();
    advance(0.5);
    ASSERT_TRUE(settled());
    EXPECT_GT(tileRequests(), fetched);
    EXPECT_GT(layer->cachedTileCount(), 0U);
    EXPECT_EQ(platform::ui::ScreenDump::dumpScreen(), shown);
}

// Off the window a warning takes the screen's view, which nothing keeps, and the view it loads again shows the
// same map under one control bar.
TEST_F(LegacyMapsViewControllerTest, AScreenThatGaveUpItsViewLoadsTheSameOneAgain) {
    const auto screen = QOVViewController::viewControllerFromNib<LegacyMapsViewController>();
    const std::string first = platform::ui::ScreenDump::dumpView(*screen->view());
    std::vector<std::weak_ptr<platform::ui::View>> parts{screen->view(), screen->qovMapView, screen->mapControlBar(),
                                                         screen->qovMapView->overlayLayer()};
    platform::ui::Application::shared().receiveMemoryWarning();
    ASSERT_FALSE(screen->isViewLoaded());
    EXPECT_EQ(screen->qovMapView, nullptr);
    EXPECT_EQ(screen->mapControlBar(), nullptr);
    for (std::size_t index = 0; index < parts.size(); ++index) {
        EXPECT_TRUE(parts[index].expired()) << index;
    }
    EXPECT_EQ(platform::ui::ScreenDump::dumpView(*screen->view()), first);
    ASSERT_NE(screen->mapControlBar(), nullptr);
    EXPECT_EQ(screen->mapControlBar()->superview(), screen->view());
}

}  // namespace
}  // namespace qov
