#include "app/neighbours/QOVAdView.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVLocationIdentity.h"
#include "app/neighbours/QOVAdManager.h"
#include "tests/app/shell/ShellFixture.h"

namespace qov {
namespace {

class QOVAdViewTest : public qovtest::ShellFixture {
protected:
    QOVAdViewTest() { QOVAdManager::resetSharedManager(); }
    ~QOVAdViewTest() override { QOVAdManager::resetSharedManager(); }
};

TEST_F(QOVAdViewTest, ThisEditionKeepsTheParametersButNeverAsksForAnAd) {
    QOVAdView adView;
    EXPECT_TRUE(adView.shouldUpdateOnLocationChange());
    adView.setPage("weather");
    adView.setSection("Weather");
    const auto location = std::make_shared<QOVLocationIdentity>();
    location->setKey("USGA0028");
    location->setType(1);
    adView.setLocation(location);
    adView.refreshAdView();
    EXPECT_EQ(adView.location(), location);
    EXPECT_EQ(QOVAdManager::sharedManager()->adRequestCount(), 0);
}

}  // namespace
}  // namespace qov
