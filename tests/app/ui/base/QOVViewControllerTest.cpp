#include "app/ui/base/QOVViewController.h"

#include <gtest/gtest.h>

#include "app/ui/base/QOVTableViewController.h"
#include "platform/base/Exception.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/WebBrowserViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

using namespace platform::ui;

class ForecastScreen : public QOVViewController {
public:
    using QOVViewController::QOVViewController;
    std::optional<std::string> pageName() const override { return "Forecast page"; }
    bool fireBeaconOnAppear() const override { return m_fires; }
    bool m_fires = true;
};

class NamelessScreen : public QOVViewController {};

class NamelessTable : public QOVTableViewController {
public:
    using QOVTableViewController::QOVTableViewController;
};

class EmptyTable : public QOVTableViewController {
public:
    using QOVTableViewController::QOVTableViewController;
    int tableViewNumberOfRowsInSection(TableView&, int) override { return 0; }
};

class QOVViewControllerTest : public qovtest::ShellFixture {
protected:
    // Shows the screen as the key window's root, so it loads and appears.
    template <typename T>
    std::shared_ptr<T> onScreen(std::shared_ptr<T> screen) {
        m_window->setRootViewController(screen);
        m_window->makeKeyAndVisible();
        return screen;
    }
    std::shared_ptr<Window> m_window = std::make_shared<Window>();
};

TEST_F(QOVViewControllerTest, ScreensComeFromTheInterfaceFileOfTheirClassAndIdiom) {
    InterfaceFile::registerBuilder("ForecastScreen-iPhone", [](InterfaceContext& file) {
        file.ownerAs<ForecastScreen>()->setView(file.make<View>(Rect(0, 0, 320, 100)));
    });
    const auto screen = QOVViewController::viewControllerFromNib<ForecastScreen>();
    EXPECT_EQ(screen->nibName(), "ForecastScreen-iPhone");
    EXPECT_EQ(screen->view()->frame().height(), 100.0);
    InterfaceFile::unregisterBuilder("ForecastScreen-iPhone");

    Device::current().setUserInterfaceIdiom(UserInterfaceIdiom::Pad);
    EXPECT_EQ(QOVViewController::nibNameForClass("SettingsNavigationController"), "SettingsNavigationController-iPad");
    EXPECT_TRUE(screen->shouldAutorotateToInterfaceOrientation(DeviceOrientation::LandscapeLeft));
    Device::current().setUserInterfaceIdiom(UserInterfaceIdiom::Phone);
    EXPECT_EQ(QOVViewController::nibNameForClass("SettingsNavigationController"),
              "SettingsNavigationController-iPhone");
    EXPECT_FALSE(screen->shouldAutorotateToInterfaceOrientation(DeviceOrientation::LandscapeLeft));
}

TEST_F(QOVViewControllerTest, AbstractOperationsRaiseNamingTheClassAndSelector) {
    const auto screen = std::make_shared<NamelessScreen>();
    try {
        (void)screen->pageName();
        FAIL() << "pageName did not raise";
    } catch (const platform::Exception& exception) {
        EXPECT_EQ(exception.name(), "Abstract Class Exception");
        EXPECT_EQ(exception.reason(), "Class NamelessScreen must implement the selector pageName");
    }
    const auto table = QOVTableViewController::tableViewController<NamelessTable>();
    EXPECT_EQ(table->TableViewController::tableViewStyle(), TableViewStyle::Grouped);
    EXPECT_THROW(table->tableViewNumberOfRowsInSection(*table->tableView(), 0), platform::Exception);
    EXPECT_THROW(table->tableViewCellForRow(*table->tableView(), IndexPath{0, 0}), platform::Exception);
}

TEST_F(QOVViewControllerTest, TableScreensFillTheScreenUnderTheStatusBar) {
    struct Case {
        bool statusBarHidden;
        DeviceOrientation orientation;
        double y;
        double height;
    };
    const Case cases[] = {
        {false, DeviceOrientation::Portrait, 20.0, 460.0},
        {true, DeviceOrientation::Portrait, 0.0, 480.0},
        {false, DeviceOrientation::LandscapeRight, 20.0, 300.0},
        {true, DeviceOrientation::PortraitUpsideDown, 0.0, 480.0},
    };
    for (const auto& [hidden, orientation, y, height] : cases) {
        Application::shared().setStatusBarHidden(hidden);
        Device::current().setOrientation(orientation);
        const auto table = QOVTableViewController::tableViewController<EmptyTable>();
        table->viewWillAppear(false);
        EXPECT_EQ(table->view()->frame().y(), y);
        EXPECT_EQ(table->view()->frame().height(), height);
    }
}

TEST_F(QOVViewControllerTest, AppearingThemesTheViewAndReportsThePageOnce) {
    const auto screen = onScreen(std::make_shared<ForecastScreen>());
    EXPECT_EQ(screen->view()->backgroundColor(), platform::gfx::Color::black());
    const auto hits = metricsHits();
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].pageName, "Forecast page");

    const auto quiet = std::make_shared<ForecastScreen>();
    quiet->m_fires = false;
    onScreen(quiet);
    EXPECT_EQ(metricsHits().size(), 1u);
}

TEST_F(QOVViewControllerTest, ASecondActivityAlertReplacesTheFirst) {
    const auto screen = onScreen(std::make_shared<ForecastScreen>());
    screen->showActivityAlertViewWithTitle("Loading");
    const auto first = screen->activityAlertView();
    EXPECT_TRUE(Application::shared().isNetworkActivityIndicatorVisible());
    screen->showActivityAlertViewWithTitle("Saving");
    EXPECT_FALSE(first->isVisible());
    ASSERT_EQ(PopupRegistry::shared().visible().size(), 1u);
    EXPECT_EQ(PopupRegistry::shared().top()->title(), "Saving");
    EXPECT_EQ(screen->activityAlertView()->subviews().size(), 1u);

    screen->removeActivityAlertView();
    EXPECT_TRUE(PopupRegistry::shared().visible().empty());
    EXPECT_FALSE(Application::shared().isNetworkActivityIndicatorVisible());
}

TEST_F(QOVViewControllerTest, ButtonImagesBecomeStretchableForTheStatesThatHaveThem) {
    Button button;
    button.setBackgroundImage(Image::named("tdx-button.png"));
    button.setBackgroundImage(Image::named("tdx-button-kestro.png"), kControlStateHighlighted);
    QOVViewController::adjustButtonBackgroundImage(button, 10);
    EXPECT_EQ(button.backgroundImageForState(kControlStateNormal)->leftCapWidth(), 10);
    EXPECT_EQ(button.backgroundImageForState(kControlStateHighlighted)->leftCapWidth(), 10);
    EXPECT_FALSE(button.hasOwnBackgroundImage(kControlStateSelected));
}

TEST_F(QOVViewControllerTest, TheBrowserOpensOverTheRootControllerAndDoneClosesIt) {
    const auto master = onScreen(std::make_shared<ForecastScreen>());
    const auto screen = std::make_shared<ForecastScreen>();
    screen->setMasterViewController(master);
    screen->createWebViewWithURL("http://example.org/help.html");
    const auto browser = std::dynamic_pointer_cast<WebBrowserViewController>(master->modalViewController());
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->url(), "http://example.org/help.html");
    browser->done();
    advance(1.0);
    EXPECT_EQ(master->modalViewController(), nullptr);
}

}  // namespace
}  // namespace qov
