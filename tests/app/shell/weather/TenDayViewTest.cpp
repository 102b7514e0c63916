#include "app/shell/weather/TenDayView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/shell/services/QOVIconService.h"
#include "app/shell/weather/TenDayCell.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "tests/app/shell/weather/LocationBuilder.h"
#include "tests/app/shell/weather/PanelFixture.h"

namespace qov {
namespace {

class TenDayViewTest : public qovtest::PanelFixture {
protected:
    std::shared_ptr<TenDayCell> cellAt(TenDayView& panel, int row) {
        panel.layoutIfNeeded();
        panel.m_tableView->scrollToRow({0, row}, platform::ui::TableViewScrollPosition::None, false);
        return std::dynamic_pointer_cast<TenDayCell>(panel.m_tableView->cellForRow({0, row}));
    }
};

TEST_F(TenDayViewTest, RowsNameTheDaysInTheLocationsZone) {
    const auto panel = makePanel<TenDayView>();
    const auto atlanta = sample("USGA0028");  // 03:00 in Atlanta: not evening
    panel->updateLocation(atlanta);
    shoot(*panel, "ten-day-atlanta");
    const auto today = cellAt(*panel, 0);
    ASSERT_TRUE(today);
    EXPECT_EQ(today->m_dayOfWeekLabel->text(), "Today");
    EXPECT_EQ(today->m_dayOfMonthLabel->text(), "Jan 15");
    const auto tomorrow = cellAt(*panel, 1);
    ASSERT_TRUE(tomorrow);
    EXPECT_EQ(tomorrow->m_dayOfWeekLabel->text(), "Saturday");
    // The stand-in's highs and lows for Atlanta: 56/39 today, 53/37 two days on, 58/41 on the last of ten days.
    EXPECT_EQ(today->m_tempLabel->text(), "56°F / 39°F");
    // Each row is read as soon as it shows: scrolling on hands its cell to another row.
    const auto twoDaysOn = cellAt(*panel, 2);
    ASSERT_TRUE(twoDaysOn);
    EXPECT_EQ(twoDaysOn->m_tempLabel->text(), "53°F / 37°F");
    const auto lastDay = cellAt(*panel, 9);
    ASSERT_TRUE(lastDay);
    EXPECT_EQ(lastDay->m_tempLabel->text(), "58°F / 41°F");
}

TEST_F(TenDayViewTest, EveningShowsTonightWithoutAHigh) {
    clock()->advance(13 * 3600.0);  // 16:00 in Atlanta; the service leaves today's day part out from 14:00
    const auto panel = makePanel<TenDayView>();
    panel->updateLocation(sample("USGA0028"));
    const auto tonight = cellAt(*panel, 0);
    ASSERT_TRUE(tonight);
    EXPECT_EQ(tonight->m_dayOfWeekLabel->text(), "Tonight");
    EXPECT_EQ(tonight->m_tempLabel->text().substr(0, 6), "--- / ");
    shoot(*panel, "ten-day-atlanta-evening");
}

TEST_F(TenDayViewTest, DetailsFollowTheShownPartUntilThePlaceChanges) {
    const auto panel = makePanel<TenDayView>();
    const auto atlanta = sample("USGA0028");
    panel->updateLocation(atlanta);
    panel->m_tableView->tapRow({0, 2});
    ASSERT_TRUE(panel->isDisplayingHiRad());
    shoot(*panel, "ten-day-atlanta-details");
    EXPECT_EQ(panel->m_shortDescriptionLabel->text(), "Partly Cloudy. High 53F. Winds NE at 5 to 10 mph.");
    EXPECT_EQ(panel->m_precipLabel->text(), "10%");
    EXPECT_EQ(panel->m_humidityLabel->text(), "45%");
    EXPECT_EQ(panel->header()->m_titleLabel->text(), "Day Details");
    EXPECT_TRUE(panel->header()->backEnabled());

    EXPECT_EQ(panel->m_highLabel->text(), "53°F");
    EXPECT_EQ(panel->m_lowLabel->text(), "37°F");
    QOVFormattingService::setUom(false);  // redrawn from the current data, still in details
    EXPECT_TRUE(panel->isDisplayingHiRad());
    EXPECT_EQ(panel->m_lowLabel->text(), "2°C");  // 37°F, truncated
    panel->updateLocation(sample("USGA0028"));    // a refresh of the same place keeps the details
    EXPECT_TRUE(panel->isDisplayingHiRad());
    panel->updateLocation(sample("USFL0316"));  // another place leaves them
    EXPECT_FALSE(panel->isDisplayingHiRad());
    EXPECT_TRUE(panel->header()->shareEnabled());
}

TEST_F(TenDayViewTest, TheLastDaysDetailsCloseWhenARefreshBringsADayFewer) {
    const auto panel = makePanel<TenDayView>();
    const auto atlanta = sample("USGA0028");
    ASSERT_EQ(atlanta->dailyForecasts()->size(), 10U);
    panel->updateLocation(atlanta);
    panel->m_tableView->tapRow({0, 9});
    ASSERT_TRUE(panel->isDisplayingHiRad());
    EXPECT_EQ(panel->m_lowLabel->text(), "41°F");
    panel->updateLocation(sample("USGA0028"));  // as many days: the last one's details stay
    EXPECT_TRUE(panel->isDisplayingHiRad());
    EXPECT_EQ(panel->m_highLabel->text(), "58°F");

    auto shorter = sample("USGA0028");
    auto days = *shorter->dailyForecasts();
    days.pop_back();
    shorter->setDailyForecasts(days);
    panel->updateLocation(shorter);
    EXPECT_FALSE(panel->isDisplayingHiRad());
    EXPECT_EQ(panel->m_tableView->numberOfRowsInSection(0), 9);
    const auto lastDay = cellAt(*panel, 8);
    ASSERT_TRUE(lastDay);
    EXPECT_EQ(lastDay->m_tempLabel->text(), "58°F / 41°F");
}

TEST_F(TenDayViewTest, SharedTextTakesTheNightOnlyForTheFirstEveningOrAMissingDayPart) {
    const auto part = [](const std::string& text, int precipitation) {
        auto made = std::make_shared<QOVDayPartForecast>();
        made->setText(text);
        made->setChanceOfPrecipitation(precipitation);
        return made;
    };
    const auto day = [&](double date, bool withDayPart) {
        auto made = std::make_shared<QOVDailyForecast>();
        made->setDate(platform::Date{date});
        made->setDayForecast(withDayPart ? part("Sunny", 10) : nullptr);
        made->setNightForecast(part("Clear", 40));
        return made;
    };
    const double now = clock()->now().secondsSince1970;  // 17:00 in Tokyo: evening there
    auto tokyo = qovtest::makeLocation("JAXX0085", "Asia/Tokyo");
    tokyo->setDailyForecasts(
        QOVLocation::DailyList{day(now, true), day(now + 86400, true), day(now + 2 * 86400, false)});
    const auto panel = makePanel<TenDayView>();
    panel->updateLocation(tokyo);
    const std::string text = panel->shareDataForOption(0);
    EXPECT_NE(text.find("10-Day Forecast:\nFriday\nSunny 0°F / 0°F\nPrecip: 40%\n\n"
                        "Saturday\nSunny 0°F / 0°F\nPrecip: 10%\n\n"
                        "Sunday\n 0°F / 0°F\nPrecip: 40%\n\n"),
              std::string::npos)
        << text;
}

TEST_F(TenDayViewTest, SnowLinesSetTheRowHeightAndGoWithReuse) {
    struct Case {
        std::size_t night;
        std::size_t day;
        double height;
    };
    const Case cases[] = {{0, 0, 46},  {10, 0, 59},  {60, 0, 82},   {0, 10, 59},
                          {0, 60, 82}, {10, 10, 93}, {60, 10, 116}, {10, 60, 139}};
    const auto partWith = [](std::size_t length) {
        auto part = std::make_shared<QOVDayPartForecast>();
        part->setSnowAccumulationPhrase(std::string(length, 'x'));
        return part;
    };
    for (const Case& c : cases) {
        QOVDailyForecast day;
        day.setNightForecast(partWith(c.night));
        day.setDayForecast(partWith(c.day));
        EXPECT_EQ(TenDayCell::heightForForecast(day), c.height) << c.night << "/" << c.day;
    }
    const auto cell = platform::ui::InterfaceFile::loadFirst<TenDayCell>("TenDayCell");
    const auto location = qovtest::makeLocation("TEST", "UTC");
    QOVDailyForecast snowy;
    snowy.setNightForecast(partWith(60));
    cell->setData(snowy, 3, *location);
    const auto line = cell->viewWithTag(TenDayCell::kSnowLineTag);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->frame(), platform::ui::Rect(10, 46, 300, 44));  // one two-line label at y 46
    cell->setData(QOVDailyForecast(), 4, *location);                // reused for a day without snow
    EXPECT_FALSE(cell->viewWithTag(TenDayCell::kSnowLineTag));
    EXPECT_EQ(cell->m_precipLabel->text(), "");  // no day part: no precipitation, the empty icon
    EXPECT_EQ(cell->m_wxIconView->image(), QOVIconService::emptyWeatherIconForSize(1));
}

}  // namespace
}  // namespace qov
