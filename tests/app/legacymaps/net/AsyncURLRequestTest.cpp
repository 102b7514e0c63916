#include "app/legacymaps/net/AsyncURLRequest.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/legacymaps/net/CachedAsyncURLRequest.h"
#include "app/legacymaps/net/MainQueue.h"
#include "tests/support/NetworkFixture.h"
#include "tests/support/PumpUntil.h"

namespace {

using qov::AsyncURLRequest;
using qov::AsyncURLRequestError;
using qov::RequestDataType;

constexpr const char* kSeriesListPath = "/TileServer/serieslist.do";

// What reached a request's targets.
struct Delivery {
    int results = 0;
    int failures = 0;
    platform::Value userData;
    platform::Value result;
    std::optional<AsyncURLRequestError> error;
    bool done() const { return results + failures > 0; }
};

class AsyncURLRequestTest : public qovtest::NetworkFixture {
protected:
    ~AsyncURLRequestTest() override {
        qov::MainQueue::sharedQueue().setMaxConcurrentOperationCount(qov::MainQueue::kWidth);
        qov::MainQueue::transferQueue().setMaxConcurrentOperationCount(qov::MainQueue::kWidth);
        qov::MainQueue::sharedQueue().cancelAllOperations();
        qovtest::pumpUntil([] { return qov::MainQueue::sharedQueue().operationCount() == 0; });
    }

    qov::AsyncURLRequestTargets targets() {
        return {[delivery = m_delivery](const platform::Value& userData, const platform::Value& result) {
                    ++delivery->results;
                    delivery->userData = userData;
                    delivery->result = result;
                },
                [delivery = m_delivery](const platform::Value& userData, const AsyncURLRequestError& error) {
                    ++delivery->failures;
                    delivery->userData = userData;
                    delivery->error = error;
                }};
    }

    std::shared_ptr<Delivery> m_delivery = std::make_shared<Delivery>();
};

struct FaultCase {
    const char* name;
    qovsim::Fault fault;
    RequestDataType dataType;
    std::size_t attempts;
    std::string domain;
    std::int64_t code;
};

// ctest lists the case by its name, not its bytes.
void PrintTo(const FaultCase& faultCase, std::ostream* stream) { *stream << faultCase.name; }

class AsyncURLRequestFaultTest : public AsyncURLRequestTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(AsyncURLRequestFaultTest, RetriesThenReportsOnce) {
    const FaultCase& param = GetParam();
    sim().faults().add(param.fault);
    auto request = std::make_shared<AsyncURLRequest>(simUrl(kSeriesListPath), param.dataType, "tiles", -1, targets());
    request->setTimeout({0.2, 0.3, 0.4});
    qov::MainQueue::sharedQueue().addOperation(request);

    ASSERT_TRUE(qovtest::pumpUntil([&] { return request->isFinished(); }));
    EXPECT_EQ(request->currentTimeout(), param.attempts);
    EXPECT_EQ(m_delivery->results, 0);
    ASSERT_EQ(m_delivery->failures, 1);
    EXPECT_EQ(m_delivery->userData, platform::Value("tiles"));
    EXPECT_EQ(m_delivery->error->domain, param.domain);
    EXPECT_EQ(m_delivery->error->code, param.code);
}

const std::string kNetworkDomain(platform::net::Error::kDomain);
const std::string kRequestDomain(AsyncURLRequestError::kDomain);

INSTANTIATE_TEST_SUITE_P(
    Faults, AsyncURLRequestFaultTest,
    ::testing::Values(FaultCase{"NotFound", {.status = 404}, RequestDataType::XML, 3, kRequestDomain, 404},
                      FaultCase{"ServerError", {.status = 503}, RequestDataType::RawBytes, 3, kRequestDomain, 503},
                      FaultCase{"TimeOut",
                                {.delaySeconds = 2.0},
                                RequestDataType::XML,
                                3,
                                kNetworkDomain,
                                static_cast<std::int64_t>(platform::net::Error::Code::TimedOut)},
                      FaultCase{"Dropped",
                                {.dropConnection = true},
                                RequestDataType::XML,
                                3,
                                kNetworkDomain,
                                static_cast<std::int64_t>(platform::net::Error::Code::ConnectionFailure)},
                      FaultCase{"UndecodableXmlIsNotRetried",
                                {.malformBody = true},
                                RequestDataType::XML,
                                1,
                                kRequestDomain,
                                AsyncURLRequestError::kUndecodableBody},
                      FaultCase{"UndecodableJsonIsNotRetried",
                                {},
                                RequestDataType::JSON,
                                1,
                                kRequestDomain,
                                AsyncURLRequestError::kUndecodableBody}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AsyncURLRequestTest, DecodesXmlToTheRootNodeAndRawBytesExactly) {
    AsyncURLRequest::asyncURLRequest(simUrl(kSeriesListPath), RequestDataType::XML, 1, -1, targets());
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_delivery->done(); }));
    ASSERT_NE(m_delivery->result.ifDictionary(), nullptr);
    EXPECT_EQ(platform::valueForKey(*m_delivery->result.ifDictionary(), "name")->stringValue(), "tiles");

    m_delivery = std::make_shared<Delivery>();
    const std::string tilePath = "/TileServer/imgs/radar/202601011200/0.png";
    AsyncURLRequest::asyncURLRequest(simUrl(tilePath), RequestDataType::RawBytes, 2, -1, targets());
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_delivery->done(); }));
    qovsim::SimRequest tileRequest;
    tileRequest.path = tilePath;
    const auto expected = sim().respond(tileRequest).body;
    ASSERT_NE(m_delivery->result.ifData(), nullptr);
    EXPECT_EQ(std::string(m_delivery->result.ifData()->begin(), m_delivery->result.ifData()->end()), expected);
}

TEST_F(AsyncURLRequestTest, CancelByUserDataStopsEveryMatchInFlightOnce) {
    sim().faults().add(qovsim::Fault{.delaySeconds = 0.5});
    std::vector<std::shared_ptr<AsyncURLRequest>> requests;
    for (const char* userData : {"a", "b", "a"}) {
        requests.push_back(AsyncURLRequest::asyncURLRequest(simUrl(kSeriesListPath), RequestDataType::RawBytes,
                                                            userData, -1, targets()));
    }
    ASSERT_TRUE(qovtest::pumpUntil([&] {
        return std::ranges::all_of(requests, [](const auto& request) { return request->currentTimeout() == 1; });
    }));
    AsyncURLRequest::cancelAsyncURLRequestWithUserData("a");
    AsyncURLRequest::cancelAsyncURLRequestWithUserData("a");
    ASSERT_TRUE(qovtest::pumpUntil(
        [&] { return std::ranges::all_of(requests, [](const auto& request) { return request->isFinished(); }); }));
    EXPECT_TRUE(requests[0]->isCancelled());
    EXPECT_FALSE(requests[1]->isCancelled());
    EXPECT_TRUE(requests[2]->isCancelled());
    EXPECT_EQ(m_delivery->results, 1);
    EXPECT_EQ(m_delivery->failures, 0);
    EXPECT_EQ(m_delivery->userData, platform::Value("b"));
}

// A stand-in that serves more connections at once than the tests below hold open.
class AsyncURLRequestManyTest : public AsyncURLRequestTest {
protected:
    static constexpr int kTiles = 64;

    qovsim::SimServer::Options simOptions() const override {
        qovsim::SimServer::Options options;
        options.threadCount = 2 * kTiles;
        return options;
    }
};

TEST_F(AsyncURLRequestManyTest, WaitingTransfersHoldNoThreadSoTheSeriesListPassesManyTiles) {
    // Many more tiles in flight than any queue has workers, all held by the server: the series list asked for
    // afterwards still comes back at once. The tiles' attempts outlast the test, so none is asked for again.
    sim().faults().add(qovsim::Fault{.pathPattern = "/TileServer/imgs/*/*/*", .delaySeconds = 60.0});
    std::vector<std::shared_ptr<AsyncURLRequest>> tiles;
    for (int index = 0; index < kTiles; ++index) {
        auto tile = std::make_shared<AsyncURLRequest>(simUrl("/TileServer/imgs/radar/202601011200/0.png"),
                                                      RequestDataType::RawBytes, index % 4,
                                                      AsyncURLRequest::kNoPriorityOverride, targets());
        tile->setTimeout({60.0, 60.0, 60.0});
        qov::MainQueue::sharedQueue().addOperation(tile);
        tiles.push_back(std::move(tile));
    }
    ASSERT_TRUE(qovtest::pumpUntil([&] { return sim().requestLog().size() >= kTiles; }, 30.0));
    AsyncURLRequest::asyncURLRequest(simUrl(kSeriesListPath), RequestDataType::XML, "list", -1, targets());
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_delivery->done(); }));
    EXPECT_EQ(m_delivery->results, 1);
    EXPECT_EQ(m_delivery->userData, platform::Value("list"));

    // Cancelling by user data ends every matching tile in flight; the others go on; nothing is reported.
    AsyncURLRequest::cancelAsyncURLRequestWithUserData(0);
    AsyncURLRequest::cancelAsyncURLRequestWithUserData(1);
    AsyncURLRequest::cancelAsyncURLRequestWithUserData(0);
    const auto matches = [](const auto& tile) { return tile->userData().integerValue() < 2; };
    ASSERT_TRUE(qovtest::pumpUntil([&] {
        return std::ranges::all_of(tiles, [&](const auto& tile) { return !matches(tile) || tile->isFinished(); });
    }));
    for (const auto& tile : tiles) {
        EXPECT_EQ(tile->isCancelled(), matches(tile));
        EXPECT_EQ(tile->isFinished(), matches(tile));
    }
    EXPECT_EQ(m_delivery->results + m_delivery->failures, 1);
}

TEST_F(AsyncURLRequestTest, PriorityOverridesOrderTheStartAndCarryIntoTheTransfers) {
    // Nothing starts while both queues are closed; then one request at a time is handed over.
    qov::MainQueue::sharedQueue().setMaxConcurrentOperationCount(0);
    qov::MainQueue::transferQueue().setMaxConcurrentOperationCount(0);
    const std::vector<std::pair<std::string, int>> added{
        {"none", -1}, {"high", 8}, {"low", -4}, {"zero", 0}, {"middle", 4}};
    for (const auto& [name, priority] : added) {
        AsyncURLRequest::asyncURLRequest(simUrl(kSeriesListPath + std::string("?name=") + name), RequestDataType::XML,
                                         name, priority, targets());
    }
    qov::MainQueue::sharedQueue().setMaxConcurrentOperationCount(1);
    ASSERT_TRUE(qovtest::pumpUntil([] { return qov::MainQueue::transferQueue().operationCount() == 5; }));

    std::vector<std::pair<std::string, int>> started;
    for (const auto& operation : qov::MainQueue::transferQueue().operations()) {
        const auto& url = std::static_pointer_cast<platform::net::HttpRequest>(operation)->url();
        started.emplace_back(url.substr(url.find('=') + 1), operation->queuePriority());
    }
    EXPECT_EQ(started, (std::vector<std::pair<std::string, int>>{
                           {"high", 8}, {"middle", 4}, {"none", 0}, {"zero", 0}, {"low", -4}}));
}

TEST_F(AsyncURLRequestTest, CachedRequestDeliversAHeldResultWithoutTheNetwork) {
    auto cached = std::make_shared<qov::CachedAsyncURLRequest>(simUrl(kSeriesListPath), 300.0,
                                                               RequestDataType::RawBytes, "held", -1, targets());
    cached->setResult(platform::Data{1, 2, 3});
    qov::MainQueue::sharedQueue().addOperation(cached);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_delivery->done(); }));
    EXPECT_EQ(m_delivery->result, platform::Value(platform::Data{1, 2, 3}));
    EXPECT_EQ(m_delivery->userData, platform::Value("held"));
    EXPECT_TRUE(sim().requestLog().empty());
}

TEST_F(AsyncURLRequestTest, CancellingACachedRequestStopsTheTransferItStarted) {
    sim().faults().add(qovsim::Fault{.delaySeconds = 2.0});
    const auto cached = qov::CachedAsyncURLRequest::asyncURLRequest(simUrl(kSeriesListPath), 300.0,
                                                                    RequestDataType::RawBytes, "tile", -1, targets());
    ASSERT_TRUE(qovtest::pumpUntil(
        [&] { return qov::MainQueue::sharedQueue().operationCount() == 1 && cached->isFinished(); }));
    cached->cancel();
    ASSERT_TRUE(qovtest::pumpUntil([] { return qov::MainQueue::sharedQueue().operationCount() == 0; }, 1.0));
    EXPECT_FALSE(m_delivery->done());
}

TEST_F(AsyncURLRequestTest, CachedRequestWithoutAResultFetchesAndPassesFailuresOn) {
    sim().faults().add(qovsim::Fault{.status = 500});
    qov::CachedAsyncURLRequest::asyncURLRequest(simUrl(kSeriesListPath), 300.0, RequestDataType::RawBytes, "tile", -1,
                                                targets());
    ASSERT_TRUE(qovtest::pumpUntil([&] { return m_delivery->done(); }));
    EXPECT_EQ(m_delivery->failures, 1);
    EXPECT_EQ(m_delivery->userData, platform::Value("tile"));
    EXPECT_EQ(m_delivery->error->localizedDescription, "Network server error #500");
}

}  // namespace
