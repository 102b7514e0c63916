#include "app/legacymaps/controls/MapControlBar.h"

#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "app/legacymaps/controls/SelectMapOverlayViewController.h"
#include "app/legacymaps/preferences/UserPreferences.h"
#include "app/legacymaps/screens/LegacyMapsViewController.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

using platform::gfx::Rect;
using Journal = std::vector<std::string>;

struct RecordingBarDelegate : MapControlBarDelegate {
    void animateFuture(bool future) override { journal.push_back("future " + std::to_string(future)); }
    void overlayAnimated(bool animated) override { journal.push_back("animated " + std::to_string(animated)); }
    void overlaySelected(const MapOverlayType::Ptr& type) override {
        journal.push_back("selected " + type->keySpecifier());
    }
    void poiChanged() override {}
    Journal take() { return std::exchange(journal, {}); }
    Journal journal;
};

class MapControlBarTest : public qovtest::ManualClockFixture {
protected:
    MapControlBarTest() {
        platform::ui::Application::resetShared();
        platform::UserDefaults::resetStandard(
            std::make_shared<platform::UserDefaults>(m_home.path() / "defaults.plist"));
        UserPreferences::sharedInstance().loadPreferences();
        m_bar = MapControlBar::create();
        m_bar->setControlBarDelegate(m_delegate);
        m_bar->setOrientation(platform::ui::DeviceOrientation::Portrait);
    }
    ~MapControlBarTest() override {
        UserPreferences::sharedInstance().setPreferredWeatherOverlay(0);  // the process's preferences outlive the test
        platform::UserDefaults::resetStandard(nullptr);
        platform::ui::Application::resetShared();
    }
    void press(const std::shared_ptr<platform::ui::Button>& button) {
        button->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    }

    qovtest::TempHome m_home;
    std::shared_ptr<RecordingBarDelegate> m_delegate = std::make_shared<RecordingBarDelegate>();
    std::shared_ptr<MapControlBar> m_bar;
};

TEST_F(MapControlBarTest, PlayingGrowsTheBarAndTheSlidersFollowTheLoop) {
    const Rect closed = m_bar->frame();
    press(m_bar->playStopButton());
    EXPECT_EQ(m_delegate->take(), Journal{"animated 1"});
    EXPECT_GT(m_bar->frame().height(), closed.height());
    EXPECT_EQ(m_bar->playStopButton()->currentTitle(), "Stop");
    EXPECT_EQ(m_bar->pastSlider()->alpha(), 1.0);

    m_bar->setCurrentTimeSlice(3, false);
    press(m_bar->futureButton());
    EXPECT_EQ(m_delegate->take(), Journal{"future 1"});
    EXPECT_FALSE(m_bar->pastSlider()->isEnabled());
    EXPECT_EQ(m_bar->pastSlider()->value(), 10.0);
    EXPECT_TRUE(m_bar->futureSlider()->isEnabled());

    m_bar->mapRepositioned();  // a moved map stops the loop
    EXPECT_EQ(m_delegate->take(), (Journal{"future 0", "animated 0"}));
    EXPECT_EQ(m_bar->frame(), closed);
    EXPECT_EQ(m_bar->playStopButton()->currentTitle(), "Play");
    EXPECT_EQ(m_bar->futureSlider()->alpha(), 0.0);
}

TEST_F(MapControlBarTest, ControlsFollowWhatTheOverlayOffers) {
    const struct {
        MapOverlayType::Ptr type;
        bool playHidden;
        bool futureHidden;
        double pastWidth;
    } cases[] = {{MapOverlayType::radarOverlay(), false, false, 325},
                 {MapOverlayType::cloudOverlay(), false, true, 676},
                 {MapOverlayType::temperatureOverlay(), true, true, 676}};
    for (const auto& c : cases) {
        m_bar->setCurrentOverlayType(c.type);
        EXPECT_EQ(m_delegate->take(), Journal{"animated 0"});
        EXPECT_EQ(m_bar->selectOverlayButton()->currentTitle(), c.type->name());
        EXPECT_EQ(m_bar->playStopButton()->isHidden(), c.playHidden) << c.type->keySpecifier();
        EXPECT_EQ(m_bar->futureSlider()->isHidden(), c.futureHidden) << c.type->keySpecifier();
        EXPECT_EQ(m_bar->pastSlider()->frame().width(), c.pastWidth) << c.type->keySpecifier();
    }
    const auto now = clock()->now();
    for (const auto& [seconds, label] : {std::pair{1800, "Next hour"}, {5400, "Next hour"}, {10805, "Next 3 hours"}}) {
        m_bar->setMaxFutureTimeSlices(13, now.addingTimeInterval(seconds));
        EXPECT_EQ(m_bar->futureLabel()->text(), label) << seconds;
    }
    m_bar->setMaxPastTimeSlices(24, now.addingTimeInterval(-7200));
    EXPECT_EQ(m_bar->pastLabel()->text(), "Past 2 hours");
}

TEST_F(MapControlBarTest, TheChooserLaysOutItsGridAndAChoiceIsKeptAndTold) {
    using platform::ui::DeviceOrientation;
    for (const auto& [orientation, columns, rows] :
         {std::tuple{DeviceOrientation::Portrait, 2U, 4U}, std::tuple{DeviceOrientation::LandscapeRight, 3U, 3U}}) {
        std::set<double> xs;
        std::set<double> ys;
        for (int position = 0; position < 8; ++position) {
            const Rect frame = SelectMapOverlayViewController::frameForOverlay(position, orientation);
            xs.insert(frame.x());
            ys.insert(frame.y());
            EXPECT_GE(frame.y(), 20.0);
        }
        EXPECT_EQ(xs.size(), columns);
        EXPECT_EQ(ys.size(), rows);
    }

    registerLegacyMapInterfaceFiles();
    const auto window = std::make_shared<platform::ui::Window>();
    window->addSubview(m_bar);
    press(m_bar->selectOverlayButton());
    const auto dialog = m_bar->selectionDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->view()->superview(), window);
    ASSERT_EQ(dialog->optionViews().size(), 8U);

    dialog->optionViews()[3]->overlaySelected();
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(m_delegate->take(), Journal{"selected temp"});
    EXPECT_EQ(m_bar->selectionDialog(), nullptr);
    EXPECT_EQ(dialog->view()->superview(), nullptr);
    EXPECT_EQ(UserPreferences::sharedInstance().preferredWeatherOverlay(), 3);
    m_bar->overlaySelected(3);
    EXPECT_EQ(m_delegate->take(), Journal{});
}

TEST_F(MapControlBarTest, FrameTimesAreWrittenInTheShownPlacesZoneAsOnTheMapsTab) {
    // 2027-01-15 08:00 UTC: 3:00 AM in the east of the United States, 5:00 PM in Tokyo.
    m_bar->setCurrentTimeStamp(platform::Date{1'800'000'000.0});
    EXPECT_EQ(m_bar->timeLabel()->text(), "3:00 AM");
    EXPECT_EQ(m_bar->dateLabel()->text(), "1/15");
    m_bar->setTimeZone(std::string("Asia/Tokyo"));
    EXPECT_EQ(m_bar->timeLabel()->text(), "5:00 PM");
    m_bar->setTimeZone(std::string("America/New_York"));
    EXPECT_EQ(m_bar->timeLabel()->text(), "3:00 AM");
}

TEST_F(MapControlBarTest, TheWidestDatesAndTimesShowWhole) {
    // 2026-12-31 17:55 UTC: 12:55 PM on December 31 in the east of the United States.
    m_bar->setCurrentTimeStamp(platform::Date{1'798'739'700.0});
    for (const auto& label : {m_bar->timeLabel(), m_bar->dateLabel()}) {
        SCOPED_TRACE(label->text());
        EXPECT_LE(label->font().sizeOfText(label->text()).width, label->frame().width());
    }
    EXPECT_EQ(m_bar->timeLabel()->text().substr(0, 5), "12:55");
    EXPECT_EQ(m_bar->dateLabel()->text(), "12/31");
}

}  // namespace
}  // namespace qov
