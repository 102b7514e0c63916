#include "app/shell/weather/BeachView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVTide.h"
#include "app/shell/base/QOVSectionHeaderView.h"
#include "app/shell/weather/BeachForecastCell.h"
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
    const std::vector<std::shared_ptr<QOVTide>> tides = {tideAt(kNoonUtc, true, 0.4), tideAt(kNoonUtc + 7200, false, 3.5),
                                                         tideAt(kNoonUtc + 86400, true, 0.2)};
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

}  // namespace
}  // namespace qov
