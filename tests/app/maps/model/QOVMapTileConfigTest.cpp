#include "app/maps/model/QOVMapTileConfig.h"

#include <gtest/gtest.h>

#include "app/maps/model/MapModelClasses.h"
#include "platform/storage/LocaleSource.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

std::shared_ptr<QOVMapSeries> series(const std::string& layer, const std::string& date, bool isPast = false) {
    auto result = std::make_shared<QOVMapSeries>();
    result->setLayerName(layer);
    result->setSeriesDate(date);
    result->setUnixDate("1300000000000");
    result->setIsPast(isPast);
    return result;
}

std::shared_ptr<QOVMapLayer> layer(const std::string& type, int seriesCount, int framesPerSeries = 0,
                                   int pastFrames = 0) {
    auto result = std::make_shared<QOVMapLayer>();
    result->setLayerType(type);
    QOVMapSeries::List list;
    for (int index = 0; index < seriesCount; ++index) {
        auto one = series(type, std::to_string(index));
        if (framesPerSeries > 0) {
            QOVMapSeries::List frames;
            for (int frame = 0; frame < framesPerSeries; ++frame) {
                frames.push_back(series(type, "f" + std::to_string(frame), frame < pastFrames));
                frames.back()->setMasterSeriesDate(one->seriesDate());
            }
            one->setFfSeries(frames);
        }
        list.push_back(one);
    }
    result->setAvailableSeries(list);
    return result;
}

std::vector<std::string> dates(const QOVMapSeries::List& list) {
    std::vector<std::string> result;
    for (const auto& one : list) {
        result.push_back(one->seriesDate());
    }
    return result;
}

// "fFIRST" to "fLAST".
std::vector<std::string> frameDates(int first, int last) {
    std::vector<std::string> result;
    for (int number = first; number <= last; ++number) {
        result.push_back("f" + std::to_string(number));
    }
    return result;
}

// Radar loops read the device model from the user defaults, which live in a temporary home here.
class QOVMapTileConfigTest : public qovtest::ManualClockFixture {
protected:
    QOVMapTileConfigTest() {
        registerMapModelClasses();
        platform::UserDefaults::resetStandard(
            std::make_shared<platform::UserDefaults>(m_home.path() / "Library" / "Preferences" / "defaults.plist"));
    }
    ~QOVMapTileConfigTest() override { platform::UserDefaults::resetStandard(nullptr); }

    qovtest::TempHome m_home;
};

TEST_F(QOVMapTileConfigTest, StaleAfterTwentyMinutesInWholeSecondsOrWithoutACreationDate) {
    QOVMapTileConfig configuration;
    EXPECT_TRUE(configuration.isStale());
    configuration.setConfigCreatedDate(clock()->now());
    advance(1200.9);
    EXPECT_FALSE(configuration.isStale());
    advance(0.1);
    EXPECT_TRUE(configuration.isStale());
}

TEST_F(QOVMapTileConfigTest, ForecastFramesKeepEightBeforeTheLast) {
    struct Case {
        const char* layerType;
        std::shared_ptr<QOVMapLayer> forecast;
        bool includePast;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"radar", layer("future_radar_ff", 2, 12), false, frameDates(3, 10)},
        {"radar", layer("future_radar_ff", 1, 8), false, frameDates(0, 7)},
        {"radar", layer("future_radar_ff", 1, 12, 5), false, frameDates(5, 11)},
        {"radar", layer("future_radar_ff", 1, 12, 5), true, frameDates(3, 10)},
        {"sat", layer("future_clouds_ff", 1, 2), false, frameDates(0, 1)},
        {"sat", layer("clouds_ff", 1, 2), false, frameDates(0, 1)},
        {"snow", layer("future_rain_ff", 1, 3), false, {}},
    };
    for (const Case& test : cases) {
        QOVMapTileConfig configuration;
        configuration.setMapLayers({{test.forecast->layerType(), test.forecast}});
        EXPECT_EQ(dates(configuration.futureTileSeriesForLayer(test.layerType, test.includePast)), test.expected)
            << test.layerType << " from " << test.forecast->layerType();
    }
}

TEST_F(QOVMapTileConfigTest, LoopsTakeEverySecondRadarSeriesAndAllButTheOldestOfOtherLayers) {
    platform::UserDefaults::standard()->setString("iPhone2,1", "QOVHardwareModel");
    EXPECT_EQ(layer("radar", 30)->animationSeries(nullptr).size(), QOVMapLayer::kRadarFramesOnOldDevices);
    platform::UserDefaults::standard()->setString("iPhone3,1", "QOVHardwareModel");
    EXPECT_EQ(dates(layer("radar", 30)->animationSeries(nullptr)),
              (std::vector<std::string>{"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20", "22"}));
    EXPECT_EQ(dates(layer("radar", 1)->animationSeries(nullptr)), std::vector<std::string>{"0"});
    EXPECT_TRUE(layer("temp", 1)->animationSeries(nullptr).empty());
    EXPECT_EQ(dates(layer("sat", 3)->animationSeries(nullptr)), (std::vector<std::string>{"0", "1"}));
}

TEST_F(QOVMapTileConfigTest, ForecastLoopsReadTheGivenConfiguration) {
    QOVMapTileConfig configuration;
    configuration.setMapLayers({{"future_radar_ff", layer("future_radar_ff", 1, 3)}});

    auto radar = layer("radar", 4);
    radar->setFutureSeriesAnimation(true);
    EXPECT_EQ(dates(radar->animationSeries(&configuration)), frameDates(0, 2));
    EXPECT_TRUE(radar->animationSeries(nullptr).empty());
}

TEST_F(QOVMapTileConfigTest, ArchivesRoundTripWithFrames) {
    QOVMapTileConfig configuration;
    configuration.setMapLayers({{"future_radar_ff", layer("future_radar_ff", 2, 3, 1)}, {"radar", layer("radar", 2)}});
    configuration.setConfigCreatedDate(clock()->now());
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(configuration);
    const auto restored = platform::KeyedUnarchiver::unarchiveObjectOfClass<QOVMapTileConfig>(*data);
    ASSERT_TRUE(restored);
    EXPECT_EQ(platform::KeyedArchiver::archivedDataWithRootObject(*restored), data);
}

TEST_F(QOVMapTileConfigTest, DisplayDatesShowTheSeriesTimeInEasternStandardTime) {
    platform::LocaleSource::setOverride("en_US", {"en"});
    const auto one = series("radar", "201103130706");
    EXPECT_EQ(one->displayDate(0.0), "Mar 13, 2011, 2:06\u202fAM");
    EXPECT_EQ(one->displayDateWithTimeZone("UTC", 0.0), "Mar 13, 2011, 7:06\u202fAM");
    EXPECT_EQ(one->displayDateWithTimeZone("UTC", 3600000.0), "Mar 13, 2011, 8:06\u202fAM");  // the offset, in ms
    platform::LocaleSource::clearOverride();
}

}  // namespace
}  // namespace qov
