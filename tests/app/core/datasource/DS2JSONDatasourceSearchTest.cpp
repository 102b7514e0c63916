#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "tests/app/core/datasource/DatasourceFixture.h"

// Location searches: postal code, coordinates and type-ahead, their answers and their failures.
namespace qov {
namespace {

using DS2JSONDatasourceSearchTest = qovtest::DatasourceFixture;

std::shared_ptr<QOVLocation> onlyLocationOf(const platform::Value& answer) {
    const platform::Array* list = answer.ifArray();
    return list && list->size() == 1 ? (*list)[0].object<QOVLocation>() : nullptr;
}

TEST_F(DS2JSONDatasourceSearchTest, CoordinatesAnswerTheNearestLocationOrNil) {
    client().requestLocationForCoordinates({33.75, -84.39}, callback());
    ASSERT_TRUE(waitForAnswers(1));
    const auto location = answers()[0].object<QOVLocation>();
    ASSERT_NE(location, nullptr);
    EXPECT_EQ(location->city(), "Atlanta");

    client().requestLocationForCoordinates({123.0, 500.0}, callback());  // off the globe: no location
    ASSERT_TRUE(waitForAnswers(2));
    EXPECT_TRUE(answers()[1].isNull());
}

TEST_F(DS2JSONDatasourceSearchTest, ShortTypeAheadTextAnswersNilAtOnceAndSendsNothing) {
    client().requestTypeAheadWithSearchString("At", 10, callback());
    ASSERT_EQ(answers().size(), 1u);  // before the call returned
    EXPECT_TRUE(answers()[0].isNull());
    client().requestTypeAheadWithSearchString("Zü", 10, callback());  // two characters, three bytes
    client().requestTypeAheadWithSearchString("", 10, callback());
    client().requestTypeAheadWithSearchString("ab", 10, nullptr);  // no callback: nothing to call
    EXPECT_EQ(answers().size(), 3u);
    EXPECT_EQ(client().queue().operationCount(), 0u);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(requests().empty());
}

TEST_F(DS2JSONDatasourceSearchTest, TypeAheadAnswersItsMatches) {
    client().requestTypeAheadWithSearchString("Atl", 5, callback());
    ASSERT_TRUE(waitForAnswers(1));
    ASSERT_TRUE(waitUntilIdle());
    const platform::Array* list = answers()[0].ifArray();
    ASSERT_NE(list, nullptr);
    ASSERT_FALSE(list->empty());
    const auto first = (*list)[0].object<QOVTypeAheadLocation>();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->city(), "Atlanta");
    EXPECT_EQ(requests().size(), 1u);  // matches found: no postal-code search
}

TEST_F(DS2JSONDatasourceSearchTest, FiveDigitsWithoutMatchAnswerTheEmptyListThenThePostalCodeSearch) {
    client().requestTypeAheadWithSearchString("99999", 10, callback());
    ASSERT_TRUE(waitForAnswers(2));
    ASSERT_NE(answers()[0].ifArray(), nullptr);
    EXPECT_TRUE(answers()[0].ifArray()->empty());
    EXPECT_TRUE(answers()[1].isNull());
    const auto log = requests();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].path, "/wxdata/ta/99999.js");
    EXPECT_EQ(log[1].path, "/wxdata/loc/99999:4.js");

    // When the type-ahead answer is unusable, a known postal code comes back as a list of one location
    // (the alternate form of the postal-code search).
    addFault(qovsim::Fault{.pathPattern = "/wxdata/ta/*", .malformBody = true});
    client().requestTypeAheadWithSearchString("30303", 10, callback());
    ASSERT_TRUE(waitForAnswers(4));
    EXPECT_TRUE(answers()[2].ifArray() && answers()[2].ifArray()->empty());
    ASSERT_NE(onlyLocationOf(answers()[3]), nullptr);
}

TEST_F(DS2JSONDatasourceSearchTest, OtherTextsWithoutMatchAnswerOnlyTheEmptyList) {
    for (const char* text : {"Xqzw", "9999", "999999", "١٢٣٤٥"}) {  // not five ASCII digits
        client().requestTypeAheadWithSearchString(text, 10, callback());
    }
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(answers().size(), 4u);
    EXPECT_EQ(requests().size(), 4u);
}

// Postal code, coordinates, storms and news answer nil; type-ahead and tweets answer nothing; points store nothing.
TEST_F(DS2JSONDatasourceSearchTest, FailuresAnswerNilForPostalCodeCoordinatesStormsAndNewsOnly) {
    client().setTimeOutSeconds(0.3);
    for (const qovsim::Fault& injected : serverFailures()) {
        SCOPED_TRACE(injected.toJson().dump());
        sim().faults().clear();
        addFault(injected);
        const std::size_t before = answers().size();
        client().requestLocationForZip("30303", callback(), false);
        client().requestLocationForCoordinates({33.75, -84.39}, callback());
        client().currentTropicalStormDataWithCallbackObject(callback());
        client().requestRSSNewsFeedWithCallbackObject(callback());
        client().requestTypeAheadWithSearchString("Atlanta", 10, callback());
        client().requestTweetsByDMA("524", callback(), std::nullopt);
        client().requestPointsOfInterestForType(9, "0320", {});
        ASSERT_TRUE(waitUntilIdle());
        ASSERT_EQ(answers().size(), before + 4);
        for (std::size_t index = before; index < answers().size(); ++index) {
            EXPECT_TRUE(answers()[index].isNull()) << index;
        }
    }
    EXPECT_TRUE(cache().poiLists.empty());
    EXPECT_EQ(networkErrorCount(), 0);
}

}  // namespace
}  // namespace qov
