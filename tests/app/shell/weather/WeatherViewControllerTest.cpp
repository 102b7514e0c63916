#include "app/shell/weather/WeatherViewController.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/weather/BaseWeatherView.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/PopupRegistry.h"
#include "tests/app/shell/ApplicationWorld.h"
#include "tests/support/LogCapture.h"
#include "tests/support/app/SampleLocations.h"

namespace qov {
namespace {

using platform::ui::Rect;

class WeatherViewControllerTest : public qovtest::ApplicationWorld {
protected:
    void SetUp() override {
        master = launchToRootScreen();
        ASSERT_TRUE(master);
        screen = std::dynamic_pointer_cast<WeatherViewController>(master->shownViewController());
        ASSERT_TRUE(screen);
        ASSERT_EQ(screen->views().size(), 5u);
    }
    std::shared_ptr<QOVLocation> sample(const std::string& key) const { return qovtest::sampleLocation(key, clock()); }
    std::string front() const { return screen->frontView()->className(); }
    void tapSegment(int position) { screen->m_segControl->tapSegment(position); }

    std::shared_ptr<QOVMasterViewController> master;
    std::shared_ptr<WeatherViewController> screen;
};

TEST_F(WeatherViewControllerTest, SegmentsOfferThePanelsALocationHasDataFor) {
    const auto atlanta = sample("USGA0028");
    auto noNarrative = sample("USGA0028");
    noNarrative->setNarrativeForecasts(QOVLocation::NarrativeList{});
    const auto miami = sample("USFL0316");
    auto miamiWithoutTides = sample("USFL0316");
    miamiWithoutTides->beachAndBoatForecast()->setTideArray(std::nullopt);
    struct Case {
        std::shared_ptr<QOVLocation> location;
        std::vector<int> map;
    };
    const Case cases[] = {
        {atlanta, {0, 1, 2, 3}}, {noNarrative, {0, 1, 3}}, {miami, {0, 1, 2, 3, 4}}, {miamiWithoutTides, {0, 1, 2, 3}},
        {nullptr, {}},
    };
    for (const Case& c : cases) {
        screen->locationDataChanged(c.location);
        EXPECT_EQ(screen->segmentToViewMap(), c.map);
        EXPECT_EQ(screen->m_segControl->isHidden(), c.map.size() <= 1);
    }
    screen->locationDataChanged(atlanta);
    EXPECT_EQ(screen->m_segControl->text(), "[Now] | Hourly | 36 Hr | 10 Day");
    screen->locationDataChanged(noNarrative);
    tapSegment(2);
    EXPECT_EQ(front(), "TenDayView");
    EXPECT_EQ(master->adView()->section(), "10day");
    EXPECT_EQ(screen->pageName(), "TF10Day");
}

TEST_F(WeatherViewControllerTest, ARefreshKeepsThePanelAnotherPlaceResetsIt) {
    screen->locationDataChanged(sample("USGA0028"));
    tapSegment(1);
    screen->locationDataChanged(sample("USGA0028"));  // the same place, a new record
    EXPECT_EQ(front(), "HourlyView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 1);
    screen->locationDataChanged(sample("USIL0225"));  // Chicago, inland
    EXPECT_EQ(front(), "RightNowView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 0);

    screen->locationDataChanged(sample("USFL0316"));
    tapSegment(4);
    EXPECT_EQ(front(), "BeachView");
    screen->locationDataChanged(sample("USFL0481"));  // Tampa, with beach data: the user's position stays
    EXPECT_EQ(front(), "BeachView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 4);
    screen->locationDataChanged(nullptr);  // nothing left to offer: back to the right-now panel
    EXPECT_EQ(front(), "RightNowView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), -1);
    screen->segmentAction();  // the platform may send it with no segment selected
    EXPECT_EQ(front(), "RightNowView");
    EXPECT_EQ(screen->currentSelection(), 0);
}

// Where a place lacks a panel, segment positions and panels part ways: a refresh keeps the panel in front and
// its segment, a new coastal place keeps the position.
TEST_F(WeatherViewControllerTest, TheFrontPanelSurvivesARefreshWhereSegmentsAndPanelsDiffer) {
    const auto withoutNarrative = [this](const std::string& key) {
        auto location = sample(key);
        location->setNarrativeForecasts(QOVLocation::NarrativeList{});
        return location;
    };
    screen->locationDataChanged(withoutNarrative("USGA0028"));  // inland: now, hourly, 10 day
    tapSegment(2);
    screen->locationDataChanged(withoutNarrative("USGA0028"));
    EXPECT_EQ(front(), "TenDayView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 2);

    screen->locationDataChanged(withoutNarrative("USFL0316"));  // coastal: now, hourly, 10 day, beach
    tapSegment(3);
    EXPECT_EQ(front(), "BeachView");
    screen->locationDataChanged(withoutNarrative("USFL0316"));
    EXPECT_EQ(front(), "BeachView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 3);
    EXPECT_EQ(screen->m_segControl->text(), "Now | Hourly | 10 Day | [Beach]");

    screen->locationDataChanged(sample("USFL0316"));  // the same place with every panel: the beach stays
    EXPECT_EQ(front(), "BeachView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 4);
    tapSegment(3);
    screen->locationDataChanged(withoutNarrative("USFL0481"));  // Tampa: the fourth segment is its beach
    EXPECT_EQ(front(), "BeachView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 3);

    screen->locationDataChanged(sample("USFL0316"));
    tapSegment(4);
    screen->locationDataChanged(withoutNarrative("USFL0481"));  // position 4 is past its last segment
    EXPECT_EQ(front(), "RightNowView");
    EXPECT_EQ(screen->m_segControl->selectedSegmentIndex(), 0);
    tapSegment(1);
    auto miamiWithoutMarineAnswer = sample("USFL0316");
    miamiWithoutMarineAnswer->setBeachAndBoatForecast(nullptr);
    screen->locationDataChanged(miamiWithoutMarineAnswer);  // coastal, but no beach forecast: the default panel
    EXPECT_EQ(front(), "RightNowView");
}

TEST_F(WeatherViewControllerTest, TheAdSlotResizesTheScreenOnce) {
    ASSERT_TRUE(master->isAdViewHidden());  // the root screen starts without its ad slot
    const auto expectLayout = [this](double screenHeight, double contentHeight) {
        EXPECT_EQ(screen->view()->frame().size.height, screenHeight);
        EXPECT_EQ(screen->m_contentView->frame(), Rect(0, 0, 320, contentHeight));
        EXPECT_EQ(screen->m_segControl->frame(), Rect(8, contentHeight, 304, 30));
        for (const auto& panel : screen->views()) {
            EXPECT_EQ(panel->frame().size.height, contentHeight);
        }
    };
    expectLayout(367, 332);
    screen->adViewDidHide();
    expectLayout(367, 332);
    master->showAdView(false);  // the root controller tells of the slot's moves
    expectLayout(317, 282);
    screen->adViewDidShow();
    expectLayout(317, 282);
    master->hideAdView(false);
    expectLayout(367, 332);
}

TEST_F(WeatherViewControllerTest, SharingOffersThePanelsOptions) {
    screen->locationDataChanged(sample("USGA0028"));
    screen->views()[0]->header()->shareButtonPressed();
    const auto sheet =
        std::dynamic_pointer_cast<platform::ui::ActionSheet>(platform::ui::PopupRegistry::shared().top());
    ASSERT_TRUE(sheet);
    std::vector<std::string> titles;
    for (int i = 0; i < sheet->numberOfButtons(); ++i) {
        titles.push_back(sheet->buttonTitleAtIndex(i));
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Email to a Friend", "Post to Facebook", "Post a Tweet", "Cancel"}));
    sheet->clickButtonAtIndex(3);
    EXPECT_FALSE(master->modalViewController());
    EXPECT_EQ(master->errorBar()->message(), "");
}

TEST_F(WeatherViewControllerTest, EachPanelIsReportedAsAPageOfTheWeatherTab) {
    screen->locationDataChanged(sample("USGA0028"));
    for (const int position : {1, 2, 3, 0}) {
        tapSegment(position);
    }
    std::vector<std::vector<std::string>> pages;
    for (const auto& hit : QOVMetricsService::sharedInstance()->hits()) {
        if (hit.kind == MetricsHit::Kind::PageView) {
            pages.push_back({hit.pageName, hit.level1, hit.level2});
        }
    }
    const std::vector<std::vector<std::string>> expected{
        {"TFNow", "WEATHER", "NOW"},     {"TFHourly", "WEATHER", "HOURLY"}, {"TF36Hour", "WEATHER", "36HOUR"},
        {"TF10Day", "WEATHER", "10DAY"}, {"TFNow", "WEATHER", "NOW"},
    };
    EXPECT_EQ(pages, expected);
}

TEST_F(WeatherViewControllerTest, EmailToAFriendTellsThatTheDeviceCannotSendEmail) {
    const qovtest::LogCapture log;
    screen->locationDataChanged(sample("USGA0028"));
    screen->views()[0]->header()->shareButtonPressed();
    const auto sheet =
        std::dynamic_pointer_cast<platform::ui::ActionSheet>(platform::ui::PopupRegistry::shared().top());
    ASSERT_TRUE(sheet);
    sheet->clickButtonAtIndex(0);
    EXPECT_EQ(master->errorBar()->message(), "This device cannot send email.");
    EXPECT_FALSE(master->modalViewController());

    master->errorBar()->setMessage("");
    screen->views()[1]->header()->shareButtonPressed();  // the hourly panel shares by e-mail only, at once
    EXPECT_EQ(master->errorBar()->message(), "This device cannot send email.");
    EXPECT_FALSE(master->modalViewController());
    EXPECT_FALSE(log.contains("Invalid option")) << "each panel is asked for its e-mail text";
}

TEST_F(WeatherViewControllerTest, NothingIsSharedWithoutALocation) {
    screen->views()[1]->header()->shareButtonPressed();
    EXPECT_FALSE(master->modalViewController());
}

TEST_F(WeatherViewControllerTest, AFailedTwitterSignInEndsTheFlowWithAMessage) {
    screen->locationDataChanged(sample("USGA0028"));
    screen->launchSharingOptionForIndex(3);
    advance(0.1);
    EXPECT_EQ(master->errorBar()->message(), WeatherViewController::kTwitterFailedMessage);
    EXPECT_FALSE(master->modalViewController());
}

TEST_F(WeatherViewControllerTest, TheHeartbeatColoursTheUpdatedLineByAge) {
    screen->locationDataChanged(sample("USGA0028"));
    const auto subtitle = [this] { return screen->frontView()->header()->m_subtitleLabel->textColor(); };
    EXPECT_EQ(subtitle(), platform::gfx::Color::white());
    advance(301);
    EXPECT_EQ(subtitle(), platform::gfx::Color::orangeColor());
    advance(3600 - 301);
    EXPECT_EQ(subtitle(), platform::gfx::Color::redColor());
    screen->locationDataChanged(sample("USGA0028"));  // fresh data again
    EXPECT_EQ(subtitle(), platform::gfx::Color::white());
}

}  // namespace
}  // namespace qov
