#include "app/core/datasource/QOVDatasouce.h"

#include <gtest/gtest.h>

#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Exception.h"
#include "tests/support/TestBundle.h"

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
    expectAbstract([&] { source.requestConfigurationForApplicationId("a", 1.0); },
                   "requestConfigurationForApplicationId:timeToLive:");
    expectAbstract([&] { source.requestTypeAheadWithSearchString("abc", 1, nullptr); },
                   "requestTypeAheadWithSearchString:forNumberOfResults:callBackObject:callBackSelector:");
    expectAbstract([&] { source.flagTweet("1"); }, "flagTweet:");
}

TEST(QOVDatasouceTest, QueueStartsEmptyAndOutOfTestMode) {
    BareDatasource source;
    EXPECT_FALSE(source.isInTestMode());
    EXPECT_EQ(source.queue().maxConcurrentOperationCount(), 4);
    EXPECT_TRUE(source.okToRequestLocation(QOVLocationIdentity(1, "USGA0028")));
    EXPECT_TRUE(source.okToRequestConfiguration("app"));
    source.cancelAllRequests();
}

TEST(QOVDatasourceFactoryTest, HoldsOneClientThatCanBeReplaced) {
    qovtest::TestBundle bundle;
    const auto factory = QOVDatasourceFactory::sharedInstance();
    EXPECT_EQ(factory, QOVDatasourceFactory::sharedInstance());
    const auto original = factory->datasource();
    EXPECT_NE(std::dynamic_pointer_cast<DS2JSONDatasource>(original), nullptr);

    const auto replacement = std::make_shared<BareDatasource>();
    factory->setDatasource(replacement);
    EXPECT_EQ(factory->datasource(), replacement);
    factory->setDatasource(original);
}

}  // namespace
}  // namespace qov
