#include "app/shell/weather/RightNowView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVCurrentConditions.h"
#include "app/shell/base/QOVSectionHeaderView.h"
#include "tests/app/shell/weather/PanelFixture.h"

namespace qov {
namespace {

class RightNowViewTest : public qovtest::PanelFixture {};

TEST_F(RightNowViewTest, ShowsTheCurrentConditions) {
    const auto panel = makePanel<RightNowView>();
    ASSERT_TRUE(panel);
    const auto atlanta = sample("USGA0028");
    ASSERT_TRUE(atlanta);
    panel->updateLocation(atlanta);
    shoot(*panel, "right-now-atlanta");
    const auto& now = *atlanta->currentConditions();
    EXPECT_EQ(panel->m_temperatureLabel->text(), QOVFormattingService::formatTemperature(now.temperature()));
    EXPECT_EQ(panel->header()->m_titleLabel->text(), "Right Now");
    EXPECT_EQ(panel->header()->m_subtitleLabel->text(), "Updated: 3:00 AM EST");
}

}  // namespace
}  // namespace qov
