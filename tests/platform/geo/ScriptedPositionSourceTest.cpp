#include "platform/geo/ScriptedPositionSource.h"

#include <gtest/gtest.h>

#include "tests/platform/geo/RecordingPositionDelegate.h"
#include "tests/support/ManualClockFixture.h"

namespace platform::geo {
namespace {

constexpr Coordinate kAtlanta{33.749, -84.388};
constexpr Coordinate kBoston{42.3601, -71.0589};

class ScriptedPositionSourceTest : public qovtest::ManualClockFixture {
protected:
    ScriptedPositionSourceTest() { m_source->setDelegate(m_delegate); }

    std::shared_ptr<ScriptedPositionSource> m_source = std::make_shared<ScriptedPositionSource>();
    std::shared_ptr<RecordingPositionDelegate> m_delegate = std::make_shared<RecordingPositionDelegate>();
};

TEST_F(ScriptedPositionSourceTest, FixesArriveOnALaterTurnWithThePreviousFixAsOld) {
    m_source->startUpdatingLocation();
    const auto first = m_source->pushFix(kAtlanta, 20.0);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(m_delegate->updates.empty());  // never inline
    loop().runUntilIdle();
    const auto second = m_source->pushFix(kBoston);
    loop().runUntilIdle();

    ASSERT_EQ(m_delegate->updates.size(), 2U);
    EXPECT_EQ(m_delegate->updates[0].newFix, first);
    EXPECT_EQ(m_delegate->updates[0].oldFix, nullptr);
    EXPECT_EQ(m_delegate->updates[1].newFix, second);
    EXPECT_EQ(m_delegate->updates[1].oldFix, first);
    EXPECT_EQ(first->coordinate(), kAtlanta);
    EXPECT_EQ(first->horizontalAccuracy(), 20.0);
    EXPECT_EQ(first->timestamp(), clock()->now());
    EXPECT_EQ(m_source->location(), second);
}

TEST_F(ScriptedPositionSourceTest, NothingReachesTheDelegateWhileIdleOrFromBeforeAStop) {
    m_source->pushFix(kAtlanta);
    loop().runUntilIdle();
    EXPECT_EQ(m_source->location(), nullptr);
    m_source->startUpdatingLocation();
    m_source->pushFix(kAtlanta);
    m_source->pushError(PositionError::locationUnknown());
    m_source->stopUpdatingLocation();
    m_source->startUpdatingLocation();
    loop().runUntilIdle();
    EXPECT_TRUE(m_delegate->updates.empty());
    EXPECT_TRUE(m_delegate->errors.empty());
    EXPECT_TRUE(m_source->isUpdatingLocation());
}

TEST_F(ScriptedPositionSourceTest, EitherModeKeepsTheSourceActive) {
    m_source->startMonitoringSignificantLocationChanges();
    m_source->startUpdatingLocation();
    m_source->pushFix(kAtlanta);
    m_source->stopUpdatingLocation();  // still monitoring
    loop().runUntilIdle();
    EXPECT_EQ(m_delegate->updates.size(), 1U);
    EXPECT_TRUE(m_source->isMonitoringSignificantLocationChanges());
    EXPECT_FALSE(m_source->isUpdatingLocation());
}

TEST_F(ScriptedPositionSourceTest, DeniedOrSwitchedOffStartsAnswerTheDeniedError) {
    m_source->setAuthorizationDenied(true);
    m_source->startUpdatingLocation();
    EXPECT_EQ(m_source->pushFix(kAtlanta), nullptr);
    loop().runUntilIdle();
    m_source->stopUpdatingLocation();
    m_source->setAuthorizationDenied(false);
    m_source->setLocationServicesEnabled(false);
    m_source->startMonitoringSignificantLocationChanges();
    loop().runUntilIdle();

    ASSERT_EQ(m_delegate->errors.size(), 2U);
    for (const auto& error : m_delegate->errors) {
        EXPECT_EQ(error.domain(), PositionError::kDomain);
        EXPECT_EQ(error.code(), PositionError::kDenied);
    }
    EXPECT_TRUE(m_delegate->updates.empty());
}

TEST_F(ScriptedPositionSourceTest, AGoneDelegateOrSourceIsNoFault) {
    m_source->startUpdatingLocation();
    m_source->pushFix(kAtlanta);
    m_delegate.reset();
    loop().runUntilIdle();
    EXPECT_NE(m_source->location(), nullptr);  // recorded even with nobody to tell

    m_source->pushFix(kBoston);
    m_source.reset();
    EXPECT_NO_FATAL_FAILURE(loop().runUntilIdle());
}

class StoppingDelegate : public PositionSourceDelegate {
public:
    void didUpdateToLocation(PositionSource& source, const std::shared_ptr<PositionFix>&,
                             const std::shared_ptr<PositionFix>&) override {
        ++fixes;
        source.stopUpdatingLocation();
    }
    int fixes = 0;
};

TEST_F(ScriptedPositionSourceTest, ADelegateThatStopsOnTheFirstFixHearsNoMore) {
    const auto stopping = std::make_shared<StoppingDelegate>();
    m_source->setDelegate(stopping);
    m_source->startUpdatingLocation();
    m_source->pushFix(kAtlanta);
    m_source->pushFix(kBoston);
    loop().runUntilIdle();
    EXPECT_EQ(stopping->fixes, 1);
    EXPECT_EQ(m_source->location()->coordinate(), kAtlanta);
}

}  // namespace
}  // namespace platform::geo
