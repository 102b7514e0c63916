#include "app/shell/weather/BeachView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVTide.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/weather/BeachForecastCell.h"
#include "app/shell/weather/BeachTideCell.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "tests/app/shell/weather/LocationBuilder.h"
#include "tests/app/shell/weather/PanelFixture.h"

namespace qov {
namespace {

using qovtest::periodAt;
using qovtest::tideAt;

class BeachViewTest : public qovtest::PanelFixture {};

TEST_F(BeachViewTest, PeriodsOfACoastalPlaceWithTheirTides) {
    const auto panel = makePanel<BeachView>();
    const auto miami = sample("USFL0316");
    ASSERT_TRUE(miami && miami->beachAndBoatForecast() && miami->beachAndBoatForecast()->isValid());
    panel->updateLocation(miami);
    panel->layoutIfNeeded();
    shoot(*panel, "beach-miami");
    EXPECT_EQ(panel->m_tableView->numberOfRowsInSection(0),
              static_cast<int>(miami->beachAndBoatForecast()->marineForecastArray()->size()));
    EXPECT_EQ(panel->header()->m_titleLabel->text(), "Beach and Boat");
    EXPECT_FALSE(panel->header()->shareEnabled());
    for (const auto& tide : *miami->beachAndBoatForecast()->tideArray()) {
        EXPECT_EQ(tide->name(), "");  // names are computed for the rows, never stored in the record
    }
}

TEST_F(BeachViewTest, TideRowsOfTheLastUpdateOnly) {
    constexpr double kNoonUtc = 1'800'014'400.0;  // 07:00 in New York
    const auto cell = platform::ui::InterfaceFile::loadFirst<BeachForecastCell>("BeachForecastCell");
    const std::optional<std::string> zone("America/New_York");
    const std::vector<std::shared_ptr<QOVTide>> tides = {
        tideAt(kNoonUtc, true, 0.4), tideAt(kNoonUtc + 7200, false, 3.5), tideAt(kNoonUtc + 86400, true, 0.2)};
    cell->updateUsingForecast(*periodAt(kNoonUtc, "Morning"), tides, zone);
    EXPECT_EQ(cell->cellHeight(), 142.0);
    EXPECT_EQ(cell->m_dateHeader->text(), "Fri, Jan 15 - Morning");
    std::vector<std::string> texts;
    for (const auto& view : cell->contentView()->subviews()) {
        if (view->tag() == BeachForecastCell::kTideLabelTag) {
            texts.push_back(view->text() + "@" + std::to_string(int(view->frame().origin.y)));
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Low Tide@92", "7:00 AM@92", "0.4 ft@92", "High Tide@114", "9:00 AM@114",
                                               "3.5 ft@114"}));
    cell->updateUsingForecast(*periodAt(kNoonUtc, "Evening"), tides, zone);  // reused: no tides in the evening
    EXPECT_EQ(cell->cellHeight(), 100.0);
    EXPECT_FALSE(cell->viewWithTag(BeachForecastCell::kTideLabelTag));
}

TEST_F(BeachViewTest, WithoutALocationTheDayFollowsTheDeviceAndTideTimesAreAtZeroOffset) {
    constexpr double kNoonUtc = 1'800'014'400.0;  // 07:00 on the device (New York)
    const auto cell = platform::ui::InterfaceFile::loadFirst<BeachForecastCell>("BeachForecastCell");
    cell->updateUsingForecast(
        *periodAt(kNoonUtc, "Morning"),
        {tideAt(kNoonUtc, true, 0.4), tideAt(kNoonUtc + 7200, false, 3.5), tideAt(kNoonUtc + 43200, true, 0.2)});
    EXPECT_EQ(cell->m_dateHeader->text(), "Fri, Jan 15 - Morning");
    EXPECT_EQ(cell->cellHeight(), 142.0);
    std::vector<std::string> times;
    for (const auto& view : cell->contentView()->subviews()) {
        if (view->tag() == BeachForecastCell::kTideLabelTag && view->text().find(':') != std::string::npos) {
            times.push_back(view->text());
        }
    }
    EXPECT_EQ(times, (std::vector<std::string>{"12:00 PM", "2:00 PM"}));
}

TEST_F(BeachViewTest, ATideCellShowsItsDayTimeKindAndHeightInTheUsersUnit) {
    constexpr double kMorning = 1'800'014'400.0;  // Friday 07:00 on the device (New York)
    const struct {
        bool imperial;
        bool low;
        double height;
        const char* type;
        const char* shown;
    } cases[] = {{true, true, 0.4, "Low", "0.4 ft"}, {false, false, 3.5, "High", "1.07 m"}};
    const auto cell = platform::ui::InterfaceFile::loadFirst<BeachTideCell>("BeachTideCell");
    ASSERT_NE(cell, nullptr);
    for (const auto& row : cases) {
        QOVFormattingService::setUom(row.imperial);
        cell->updateUsingTide(*tideAt(kMorning, row.low, row.height));
        EXPECT_EQ(cell->m_dateLabel->text(), "Fri, Jan 15 7:00 AM");
        EXPECT_EQ(cell->m_typeLabel->text(), row.type);
        EXPECT_EQ(cell->m_heightLabel->text(), row.shown);
        EXPECT_EQ(cell->selectionStyle(), platform::ui::TableViewCellSelectionStyle::None);
        shoot(*cell, std::string("beach-tide-cell-") + (row.imperial ? "f" : "c"));
    }
}

}  // namespace
}  // namespace qov
