#include "app/core/model/QOVPollenInformation.h"

#include <gtest/gtest.h>

namespace qov {
namespace {

using platform::Date;

TEST(QOVPollenInformationTest, DatesKeepFirstAddedOrderAndTheSummaryUsesTheFirst) {
    QOVPollenInformation pollen;
    pollen.addPollenValue(2, "Low", "tree", Date{100});
    pollen.addPollenValue(11, "Very High", "tree", Date{200});
    pollen.addPollenValue(4, "Moderate", "grass", Date{100});
    EXPECT_EQ(pollen.dates(), (std::vector<Date>{Date{100}, Date{200}}));
    EXPECT_EQ(pollen.basicPollenValue(), 4U);
}

TEST(QOVPollenInformationTest, ALaterReadingOfTheSameTypeAndDateReplacesTheEarlier) {
    QOVPollenInformation pollen;
    pollen.addPollenValue(9, "High", "tree", Date{100});
    pollen.addPollenValue(1, "Low", "tree", Date{100});
    EXPECT_EQ(pollen.basicPollenValue(), 1U);
}

TEST(QOVPollenInformationTest, NoReadingsOrOnlyZerosGiveZero) {
    QOVPollenInformation pollen;
    EXPECT_EQ(pollen.basicPollenValue(), 0U);
    pollen.addPollenValue(0, "None", "weed", Date{100});
    EXPECT_EQ(pollen.basicPollenValue(), 0U);
}

TEST(QOVPollenInformationTest, ComparesAsUnsigned) {
    QOVPollenInformation pollen;
    pollen.addPollenValue(4'000'000'000U, "?", "tree", Date{100});
    pollen.addPollenValue(5, "?", "grass", Date{100});
    EXPECT_EQ(pollen.basicPollenValue(), 4'000'000'000U);
}

}  // namespace
}  // namespace qov
