#include "app/legacymaps/screens/LegacyMapsViewController.h"

#include "app/legacymaps/preferences/UserPreferences.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
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

}  // namespace
}  // namespace qov
