#include "app/shell/weather/ThirtySixHourView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVNarrativeForecast.h"
#include "tests/app/shell/weather/PanelFixture.h"

namespace qov {
namespace {

class ThirtySixHourViewTest : public qovtest::PanelFixture {};

TEST_F(ThirtySixHourViewTest, ThreeRowsShownEveryPartShared) {
    const auto panel = makePanel<ThirtySixHourView>();
    const auto atlanta = sample("USGA0028");
    ASSERT_GT(atlanta->narrativeForecasts()->size(), 3u);
    panel->updateLocation(atlanta);
    panel->layoutIfNeeded();
    shoot(*panel, "thirty-six-hour-atlanta");
    EXPECT_EQ(panel->m_tableView->numberOfRowsInSection(0), 3);
    const std::string text = panel->shareDataForOption(0);
    for (const auto& part : *atlanta->narrativeForecasts()) {
        EXPECT_NE(text.find(part->dayPart() + "\n" + part->text() + "\n\n"), std::string::npos) << part->dayPart();
    }
    panel->updateLocation(nullptr);
    EXPECT_EQ(panel->m_tableView->numberOfRowsInSection(0), 0);
}

}  // namespace
}  // namespace qov
