#include "app/core/datasource/QOVDatasouce.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Exception.h"

namespace qov {
namespace {

class BareDatasource : public QOVDatasouce {};

// The exception's name and reason are the platform's (tested there).
TEST(QOVDatasouceTest, RequestsAreAbstract) {
    BareDatasource source;
    EXPECT_THROW(source.requestLocation(QOVLocationIdentity(1, "USGA0028")), platform::Exception);
    EXPECT_THROW(source.requestTypeAheadWithSearchString("abc", 1, nullptr), platform::Exception);
    EXPECT_THROW(source.flagTweet("1"), platform::Exception);
}

}  // namespace
}  // namespace qov
