#include "app/shell/weather/HourlyView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/weather/HourlyCell.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/text/LocalizedFormat.h"
#include "tests/app/shell/weather/LocationBuilder.h"
#include "tests/app/shell/weather/PanelFixture.h"

namespace qov {
namespace {

class HourlyViewTest : public qovtest::PanelFixture {
protected:
    std::shared_ptr<HourlyCell> cellAt(HourlyView& panel, int row) {
        return std::dynamic_pointer_cast<HourlyCell>(panel.m_tableView->cellForRow({0, row}));
    }
};

TEST_F(HourlyViewTest, QuarterHourRowsOpenTheirDetailsUntilBack) {
    QOVSettingsService::sharedInstance()->setHiRadEnabled(true);
    const auto panel = makePanel<HourlyView>();
    const auto atlanta = sample("USGA0028");
    panel->updateLocation(atlanta);
    panel->layoutIfNeeded();
    shoot(*panel, "hourly-atlanta");
    ASSERT_GE(panel->workingData().size(), atlanta->hourlyForecasts()->size());
    const auto first = cellAt(*panel, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->m_timeLabel->text(), "3 AM");  // the location's hours (New York here)
    EXPECT_FALSE(first->m_arrowImage->isHidden());
    EXPECT_TRUE(panel->header()->shareEnabled());

    panel->m_tableView->tapRow({0, 0});
    EXPECT_TRUE(panel->isDisplayingHiRadData());
    ASSERT_EQ(panel->workingData().size(), 4u);
    EXPECT_EQ(panel->header()->m_titleLabel->text(), "Hourly Details");
    EXPECT_TRUE(panel->header()->backEnabled());
    const auto quarter = cellAt(*panel, 1);
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->m_timeLabel->text(), "3:15 AM");
    EXPECT_TRUE(quarter->m_arrowImage->isHidden());
    shoot(*panel, "hourly-atlanta-details");

    QOVFormattingService::setUom(false);  // a unit change redraws the hours and leaves the details
    EXPECT_FALSE(panel->isDisplayingHiRadData());
    EXPECT_TRUE(panel->header()->shareEnabled());
    const auto hour = cellAt(*panel, 2);
    ASSERT_TRUE(hour);
    ASSERT_GT(panel->workingData().size(), 2u);
    EXPECT_EQ(hour->m_tempLabel->text(),
              QOVFormattingService::formatTemperature(panel->workingData()[2]->temperature()));
}

// Every text of a row shows whole (no label's text is wider than the label) and no two parts of the row overlap.
void expectWholeAndApart(const HourlyCell& cell, const std::string& what) {
    const std::vector<std::shared_ptr<platform::ui::View>> parts{
        cell.m_timeLabel, cell.m_wxIconView, cell.m_tempLabel, cell.m_precipLabel, cell.m_windLabel, cell.m_arrowImage};
    for (const auto& label : {cell.m_timeLabel, cell.m_tempLabel, cell.m_precipLabel, cell.m_windLabel}) {
        EXPECT_LE(label->font().sizeOfText(label->text()).width, label->frame().width())
            << what << ": " << label->text();
    }
    for (std::size_t left = 0; left < parts.size(); ++left) {
        for (std::size_t right = left + 1; right < parts.size(); ++right) {
            EXPECT_FALSE(parts[left]->frame().intersects(parts[right]->frame()))
                << what << ": parts " << left << ", " << right;
        }
    }
}

TEST_F(HourlyViewTest, TheWidestTimesTemperaturesAndWindsShowWholeInBothUnits) {
    constexpr double kQuarterToOnePm = 1'800'035'100.0;  // 12:45 PM in New York
    const auto panel = makePanel<HourlyView>();
    auto hour = qovtest::forecastAt<QOVHourlyForecast>(kQuarterToOnePm, 104);
    hour->setChanceOfPrecipitation(100);
    hour->setWindSpeed(45);
    hour->setWindDirectionDescription("WSW");
    for (const bool imperial : {true, false}) {
        QOVFormattingService::setUom(imperial);
        for (const char* format : {"format.time.hour.minute", "format.time.hour.only"}) {
            const auto cell = platform::ui::InterfaceFile::loadFirst<HourlyCell>("HourlyCell");
            cell->setData(*hour, "America/New_York", localized(format), 0);
            const std::string what = std::string(format) + (imperial ? " °F" : " °C");
            EXPECT_EQ(cell->m_timeLabel->text().substr(0, 2), "12") << what;
            expectWholeAndApart(*cell, what);
        }
    }
    QOVSettingsService::sharedInstance()->setHiRadEnabled(true);
    panel->updateLocation(sample("USGA0028"));
    panel->m_tableView->tapRow({0, 0});
    panel->layoutIfNeeded();
    ASSERT_TRUE(panel->isDisplayingHiRadData());
    for (int row = 0; row < panel->m_tableView->numberOfRowsInSection(0); ++row) {
        expectWholeAndApart(*cellAt(*panel, row), "detail row " + std::to_string(row));
    }
}

TEST_F(HourlyViewTest, NoLocationEmptiesTheTable) {
    const auto panel = makePanel<HourlyView>();
    panel->updateLocation(sample("USGA0028"));
    panel->updateLocation(nullptr);
    EXPECT_TRUE(panel->workingData().empty());
    EXPECT_EQ(panel->m_tableView->numberOfRowsInSection(0), 0);
}

TEST_F(HourlyViewTest, SharedTextListsEveryHourInTheLocationsZone) {
    const auto panel = makePanel<HourlyView>();
    panel->updateLocation(sample("USGA0028"));
    const std::string text = panel->shareDataForOption(0);
    EXPECT_NE(text.find("Weather for Atlanta, GA\n\nHourly Forecast: 1/15/27\n\n3:00\u202fAM\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("from your PC or mobile device"), std::string::npos);
}

}  // namespace
}  // namespace qov
