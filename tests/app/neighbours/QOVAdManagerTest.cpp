#include "app/neighbours/QOVAdManager.h"

#include <gtest/gtest.h>

#include "platform/storage/UserDefaults.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

class QOVAdManagerTest : public ::testing::Test {
protected:
    qovtest::TempHome m_home;
    std::shared_ptr<platform::UserDefaults> m_defaults =
        std::make_shared<platform::UserDefaults>(m_home.path() / "defaults.plist");
    QOVAdManager m_manager{m_defaults};
};

TEST_F(QOVAdManagerTest, SwitchesLiveInTheUserDefaults) {
    m_manager.setInTestMode(true);
    m_manager.setUsingTestAdId(true);
    m_manager.setTestAdIdentifier("test-ad-7");
    EXPECT_TRUE(m_defaults->boolForKey("AdsTestMode"));

    QOVAdManager reopened(m_defaults);
    EXPECT_TRUE(reopened.isInTestMode());
    EXPECT_TRUE(reopened.isUsingTestAdId());
    EXPECT_EQ(reopened.testAdIdentifier(), "test-ad-7");
}

}  // namespace
}  // namespace qov
