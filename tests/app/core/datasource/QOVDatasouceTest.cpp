#include "app/core/datasource/QOVDatasouce.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Exception.h"

namespace qov {
namespace {

class BareDatasource : public QOVDatasouce {};

void expectAbstract(const std::function<void()>& call, const std::string& selector) {
    try {
        call();
        ADD_FAILURE() << selector << " did not raise";
    } catch (const platform::Exception& exception) {
        EXPECT_EQ(exception.name(), "Abstract Class Exception");
        EXPECT_EQ(exception.reason(), "Class BareDatasource must implement the selector " + selector);
    }
}

TEST(QOVDatasouceTest, RequestsAreAbstract) {
    BareDatasource source;
    const QOVLocationIdentity identity(1, "USGA0028");
    expectAbstract([&] { source.requestLocation(identity); }, "requestLocation:");
    expectAbstract([&] { source.requestTypeAheadWithSearchString("abc", 1, nullptr); },
                   "requestTypeAheadWithSearchString:forNumberOfResults:callBackObject:callBackSelector:");
    expectAbstract([&] { source.flagTweet("1"); }, "flagTweet:");
}


}  // namespace
}  // namespace qov
