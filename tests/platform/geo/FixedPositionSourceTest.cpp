#include "platform/geo/FixedPositionSource.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/storage/UserDefaults.h"
#include "tests/platform/geo/RecordingPositionDelegate.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace platform::geo {
namespace {

class FixedPositionSourceTest : public qovtest::ManualClockFixture {
protected:
    FixedPositionSourceTest() { m_source->setDelegate(m_delegate); }

    void setSetting(Value value) { m_defaults->setObject(value, FixedPositionSource::kCoordinateDefaultsKey); }

    qovtest::TempHome m_home;
    std::shared_ptr<UserDefaults> m_defaults = std::make_shared<UserDefaults>(m_home.path() / "defaults.plist");
    std::shared_ptr<FixedPositionSource> m_source = std::make_shared<FixedPositionSource>(m_defaults);
    std::shared_ptr<RecordingPositionDelegate> m_delegate = std::make_shared<RecordingPositionDelegate>();
};

TEST_F(FixedPositionSourceTest, AnswersTheSettingOnTheNextTurnAfterEachStart) {
    setSetting(Dictionary{{"latitude", 33}, {"longitude", -84.388}});  // whole numbers count too
    EXPECT_TRUE(m_source->locationServicesEnabled());
    EXPECT_TRUE(m_source->significantLocationChangeMonitoringAvailable());

    m_source->startUpdatingLocation();
    EXPECT_TRUE(m_delegate->updates.empty());
    loop().runUntilIdle();
    ASSERT_EQ(m_delegate->updates.size(), 1U);
    const auto fix = m_delegate->updates[0].newFix;
    EXPECT_EQ(fix->coordinate(), (Coordinate{33.0, -84.388}));
    EXPECT_EQ(fix->horizontalAccuracy(), FixedPositionSource::kHorizontalAccuracy);
    EXPECT_EQ(fix->timestamp(), clock()->now());

    advance(60.0);
    m_source->startUpdatingLocation();  // each request answers again, with a fresh time
    loop().runUntilIdle();
    ASSERT_EQ(m_delegate->updates.size(), 2U);
    EXPECT_EQ(m_delegate->updates[1].oldFix, fix);
    EXPECT_EQ(m_delegate->updates[1].newFix->timestamp(), clock()->now());
}

TEST_F(FixedPositionSourceTest, NoOrABadSettingAnswersLocationUnknown) {
    const std::vector<Value> settings{
        Value(),
        Value("33.7,-84.3"),
        Value(Dictionary{{"latitude", 33.7}}),
        Value(Dictionary{{"latitude", "33.7"}, {"longitude", -84.3}}),
        Value(Dictionary{{"latitude", true}, {"longitude", -84.3}}),
        Value(Dictionary{{"latitude", 91.0}, {"longitude", 0.0}}),
        Value(Dictionary{{"latitude", std::numeric_limits<double>::quiet_NaN()}, {"longitude", 0.0}}),
    };
    for (const auto& setting : settings) {
        setSetting(setting);
        EXPECT_EQ(m_source->coordinate(), std::nullopt);
        m_source->startUpdatingLocation();
        loop().runUntilIdle();
        m_source->stopUpdatingLocation();
    }
    EXPECT_TRUE(m_delegate->updates.empty());
    ASSERT_EQ(m_delegate->errors.size(), settings.size());
    EXPECT_EQ(m_delegate->errors.back().domain(), PositionError::kDomain);
    EXPECT_EQ(m_delegate->errors.back().code(), PositionError::kLocationUnknown);
}

TEST_F(FixedPositionSourceTest, ASetCoordinateWinsMovesAnActiveSourceAtOnceAndMustBeValid) {
    EXPECT_TRUE(m_source->setCoordinate(Coordinate{1.0, 2.0}));
    loop().runUntilIdle();
    EXPECT_TRUE(m_delegate->updates.empty());  // an idle source tells nobody
    EXPECT_FALSE(m_source->setCoordinate(Coordinate{0.0, 200.0}));
    EXPECT_EQ(m_source->coordinate(), (Coordinate{1.0, 2.0}));

    setSetting(Dictionary{{"latitude", 10.0}, {"longitude", 10.0}});
    m_source->startMonitoringSignificantLocationChanges();
    loop().runUntilIdle();
    EXPECT_TRUE(m_source->setCoordinate(Coordinate{42.36, -71.06}));
    loop().runUntilIdle();
    ASSERT_EQ(m_delegate->updates.size(), 2U);
    EXPECT_EQ(m_delegate->updates[1].newFix->coordinate(), (Coordinate{42.36, -71.06}));

    EXPECT_TRUE(m_source->setCoordinate(std::nullopt));  // back to the setting
    EXPECT_EQ(m_source->coordinate(), (Coordinate{10.0, 10.0}));
}

}  // namespace
}  // namespace platform::geo
