#include "platform/net/HttpRequest.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <set>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include "platform/base/OperationQueue.h"
#include "platform/base/RunLoop.h"
#include "sim/SimServer.h"
#include "tests/support/LogCapture.h"
#include "tests/support/NetworkFixture.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/TempHome.h"

namespace {

using platform::OperationQueue;
using platform::net::Error;
using platform::net::HttpRequest;
using qovtest::pumpUntil;

// Every case runs twice: the transfer on the queue's worker, and on the transfer loop without one.
class HttpRequestTest : public qovtest::NetworkFixture, public ::testing::WithParamInterface<bool> {
protected:
    HttpRequestTest() { runOnTransferLoop(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Transfers, HttpRequestTest, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "OnTheLoop" : "OnAWorker"); });

using HttpRequestQueueTest = qovtest::NetworkFixture;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// The local ports of this process's TCP connections to the given loopback port.
std::set<int> clientPortsConnectedTo(int serverPort) {
    std::set<int> ports;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        const int fd = std::atoi(entry.path().filename().c_str());
        sockaddr_in peer{};
        sockaddr_in local{};
        socklen_t peerLength = sizeof(peer);
        socklen_t localLength = sizeof(local);
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) == 0 && peer.sin_family == AF_INET &&
            ntohs(peer.sin_port) == serverPort &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) == 0) {
            ports.insert(ntohs(local.sin_port));
        }
    }
    return ports;
}

// ---- Responses

TEST_P(HttpRequestTest, SuccessDeliversStatusHeadersAndBodyOnTheMainThreadLater) {
    auto request = makeRequest("/health");
    queue().addOperation(request);
    EXPECT_EQ(outcome().finished, 0);  // never inline
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));

    EXPECT_EQ(outcome().finished, 1);
    EXPECT_TRUE(outcome().onMainThreadOnly);
    EXPECT_EQ(request->responseStatusCode(), 200);
    EXPECT_EQ(request->responseData(), platform::Data({'o', 'k'}));
    ASSERT_TRUE(request->responseHeaders().contains("content-type"));  // names compare without case
    EXPECT_EQ(request->responseHeaders().at("CONTENT-TYPE").substr(0, 10), "text/plain");
    EXPECT_FALSE(request->error().has_value());
}

TEST_P(HttpRequestTest, HttpErrorStatusesFinishWithTheirBodies) {
    auto missing = makeRequest("/no/such/path");
    sim().faults().add(qovsim::Fault{.pathPattern = "/health", .status = 500});
    auto broken = makeRequest("/health");
    queue().addOperation(missing);
    queue().addOperation(broken);
    ASSERT_TRUE(pumpUntil([&] { return outcome().finished + outcome().failed == 2; }));

    EXPECT_EQ(outcome().finished, 2);
    EXPECT_EQ(missing->responseStatusCode(), 404);
    EXPECT_EQ(missing->responseString(), "not found");
    EXPECT_EQ(broken->responseStatusCode(), 500);
    EXPECT_EQ(broken->responseString(), "ok");
}

TEST_P(HttpRequestTest, FormFieldsArriveUrlEncoded) {
    auto request = makeRequest("/wxdata/tweet_flag/get.js");
    request->addPostValue("tweetid", "12345");
    request->addPostValue("uuid", "a b&c=d/é+%");
    EXPECT_EQ(request->requestMethod(), "POST");
    queue().addOperation(request);
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));

    const auto log = sim().requestLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].method, "POST");
    EXPECT_EQ(log[0].formValue("tweetid"), "12345");
    EXPECT_EQ(log[0].formValue("uuid"), "a b&c=d/é+%");
}

TEST_P(HttpRequestTest, HeadersArriveWithTheRequestAndBadOnesAreRefused) {
    auto request = makeRequest("/health");
    request->addRequestHeader("X-Injected", "1\r\nX-Evil: yes");
    request->addRequestHeader("Bad:Name", "1");
    request->addRequestHeader("", "1");
    request->addRequestHeader("X-Client", "qovara 1.0");
    queue().addOperation(request);
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
    EXPECT_EQ(request->responseStatusCode(), 200);
    const auto log = sim().requestLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].headerValue("x-client"), "qovara 1.0");
    EXPECT_EQ(log[0].headerValue("x-evil"), "");
    EXPECT_EQ(log[0].headerValue("x-injected"), "");
}

// ---- Failures

TEST_P(HttpRequestTest, TimeOutFailsWithATimedOutError) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/health", .delaySeconds = 2.0});
    auto request = makeRequest("/health");
    request->setTimeOutSeconds(0.3);
    const auto started = std::chrono::steady_clock::now();
    queue().addOperation(request);
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500));
    ASSERT_TRUE(request->error().has_value());
    EXPECT_EQ(request->error()->code(), Error::Code::TimedOut);
    EXPECT_FALSE(request->error()->isCancelled());
}

TEST_P(HttpRequestTest, ConnectionFailuresAndNonHttpUrlsFailWithTheirCodes) {
    qovsim::SimServer closed;
    ASSERT_TRUE(closed.start());
    const std::string refusedUrl = closed.baseUrl() + "/health";
    closed.stop();
    struct Case {
        std::string url;
        bool drop;
        Error::Code code;
    };
    for (const auto& [url, drop, code] : std::vector<Case>{{refusedUrl, false, Error::Code::ConnectionFailure},
                                                           {simUrl("/health"), true, Error::Code::ConnectionFailure},
                                                           {"file:///etc/passwd", false, Error::Code::InvalidRequest},
                                                           {"ftp://127.0.0.1/x", false, Error::Code::InvalidRequest},
                                                           {"not a url", false, Error::Code::InvalidRequest},
                                                           {"", false, Error::Code::InvalidRequest}}) {
        SCOPED_TRACE(url);
        sim().faults().clear();
        if (drop) {
            sim().faults().add(qovsim::Fault{.pathPattern = "*", .dropConnection = true});
        }
        resetOutcome();
        auto request = makeRequestForUrl(url);
        queue().addOperation(request);
        ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
        ASSERT_TRUE(request->error().has_value());
        EXPECT_EQ(request->error()->code(), code);
        EXPECT_EQ(request->error()->domain(), Error::kDomain);
        EXPECT_TRUE(request->responseData().empty());
    }
}

TEST_P(HttpRequestTest, BodyOverTheLimitFailsOfItsOwnKindAndLeavesTheFileAlone) {
    qovtest::TempHome home;
    std::ofstream(home.path() / "file") << "old";
    for (const auto& [limit, download] : std::vector<std::pair<std::size_t, bool>>{{1, false}, {1, true}, {2, false}}) {
        resetOutcome();
        auto request = makeRequest("/health");  // answers "ok"
        request->setMaxResponseBytes(limit);
        if (download) {
            request->setDownloadDestinationPath(home.path() / "file");
        }
        queue().addOperation(request);
        ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
        EXPECT_EQ(request->error() ? request->error()->code() : Error::Code{},
                  limit < 2 ? Error::Code::ResponseTooLarge : Error::Code{})
            << limit << (download ? " to a file" : "");
    }
    EXPECT_EQ(readFile(home.path() / "file"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}), 1);
}

TEST_P(HttpRequestTest, EndlessBodyFailsOnceItPassesTheLimit) {
    httplib::Server endless;
    endless.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("text/plain", [](std::size_t, httplib::DataSink& sink) {
            const std::string chunk(64 * 1024, 'x');
            return sink.write(chunk.data(), chunk.size());
        });
    });
    const int port = endless.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { endless.listen_after_bind(); });
    auto request = makeRequestForUrl("http://127.0.0.1:" + std::to_string(port) + "/");
    request->setMaxResponseBytes(1 << 20);
    queue().addOperation(request);
    const bool delivered = pumpUntil([&] { return outcome().delivered(); });
    endless.stop();
    serving.join();
    ASSERT_TRUE(delivered);
    ASSERT_TRUE(request->error().has_value());
    EXPECT_EQ(request->error()->code(), Error::Code::ResponseTooLarge);
    EXPECT_TRUE(request->responseData().empty());
}

TEST_P(HttpRequestTest, FailureLogLinesLeaveTheQueryOut) {
    const qovtest::LogCapture log;
    sim().faults().add(qovsim::Fault{.pathPattern = "*", .dropConnection = true});
    auto request = makeRequest("/health?key=secret-service-key");
    queue().addOperation(request);
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
    EXPECT_FALSE(log.lines().empty());
    EXPECT_FALSE(log.contains("secret-service-key"));
}

// ---- Cancelling

TEST_P(HttpRequestTest, CancelBeforeStartFailsAsCancelledWithoutSending) {
    auto request = makeRequest("/health");
    request->cancel();
    queue().addOperation(request);
    EXPECT_EQ(outcome().failed, 0);  // never inline
    ASSERT_TRUE(pumpUntil([&] { return queue().operationCount() == 0; }));
    platform::RunLoop::main().runUntilIdle();

    EXPECT_EQ(outcome().failed, 1);
    EXPECT_EQ(outcome().finished, 0);
    EXPECT_TRUE(outcome().onMainThreadOnly);
    EXPECT_TRUE(request->error()->isCancelled());
    EXPECT_TRUE(sim().requestLog().empty());
}

TEST_P(HttpRequestTest, CancelFromAnotherThreadStopsASlowTransferPromptly) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/health", .delaySeconds = 3.0});
    auto request = makeRequest("/health");
    queue().addOperation(request);
    ASSERT_TRUE(pumpUntil([&] { return sim().requestLog().size() == 1; }));

    const auto cancelled = std::chrono::steady_clock::now();
    std::thread([request] { request->cancel(); }).join();
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::milliseconds(500));

    ASSERT_TRUE(pumpUntil([&] { return queue().operationCount() == 0; }));
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(outcome().failed, 1);
    EXPECT_EQ(outcome().finished, 0);
    EXPECT_TRUE(outcome().onMainThreadOnly);
    ASSERT_TRUE(request->error().has_value());
    EXPECT_TRUE(request->error()->isCancelled());
}

TEST_P(HttpRequestTest, CancelAfterTheTransferButBeforeDeliveryStillReportsCancelled) {
    auto request = makeRequest("/health");
    queue().addOperation(request);
    // Wait for the transfer without running the main loop, so the delivery is still pending.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while ((sim().requestLog().empty() || request->isExecuting()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    request->cancel();
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
    EXPECT_EQ(outcome().finished, 0);
    ASSERT_TRUE(request->error().has_value());
    EXPECT_TRUE(request->error()->isCancelled());
    EXPECT_EQ(request->responseStatusCode(), 0);
    EXPECT_TRUE(request->responseData().empty());
}

// ---- Queues

TEST_F(HttpRequestQueueTest, QueueWidthLimitsTransfersOnWorkersInFlight) {
    OperationQueue narrow(2);
    sim().faults().add(qovsim::Fault{.pathPattern = "/health", .delaySeconds = 0.2});
    std::vector<std::shared_ptr<HttpRequest>> requests;
    for (int i = 0; i < 6; ++i) {
        requests.push_back(makeRequest("/health"));
        narrow.addOperation(requests.back());
    }
    std::size_t mostInFlight = 0;
    ASSERT_TRUE(pumpUntil([&] {
        const auto inFlight =
            std::count_if(requests.begin(), requests.end(), [](const auto& request) { return request->isExecuting(); });
        mostInFlight = std::max(mostInFlight, static_cast<std::size_t>(inFlight));
        return outcome().finished + outcome().failed == 6;
    }));
    EXPECT_EQ(outcome().finished, 6);
    EXPECT_EQ(mostInFlight, 2u);
    EXPECT_EQ(sim().requestLog().size(), 6u);
}

TEST_F(HttpRequestQueueTest, LoopTransfersAreAllInFlightWhateverTheQueueWidthAndCountAsWork) {
    constexpr std::size_t kHeld = 40;
    runOnTransferLoop(true);
    OperationQueue narrow(1);
    sim().faults().add(qovsim::Fault{.pathPattern = "/health", .delaySeconds = 60.0});
    std::vector<std::shared_ptr<HttpRequest>> requests;
    for (std::size_t i = 0; i < kHeld; ++i) {
        requests.push_back(makeRequest("/health"));
        narrow.addOperation(requests.back());
    }
    ASSERT_TRUE(pumpUntil([&] { return sim().requestLog().size() == kHeld; }));
    EXPECT_TRUE(OperationQueue::hasOperationsAtWorkInProcess());  // a virtual wait lets them land first
    EXPECT_FALSE(outcome().delivered());

    for (const auto& request : requests) {
        request->cancel();
    }
    ASSERT_TRUE(pumpUntil([&] { return narrow.operationCount() == 0; }));
    EXPECT_EQ(outcome().failed, static_cast<int>(kHeld));
    EXPECT_EQ(outcome().finished, 0);
    EXPECT_TRUE(std::ranges::all_of(requests, [](const auto& request) { return request->error()->isCancelled(); }));
    EXPECT_FALSE(OperationQueue::hasOperationsAtWorkInProcess());
}

TEST_P(HttpRequestTest, SequentialRequestsToOneHostShareAConnection) {
    auto first = makeRequest("/health");
    queue().addOperation(first);
    ASSERT_TRUE(pumpUntil([&] { return outcome().finished == 1; }));
    const std::set<int> afterFirst = clientPortsConnectedTo(sim().port());
    ASSERT_EQ(afterFirst.size(), 1u);

    auto second = makeRequest("/health");
    queue().addOperation(second);
    ASSERT_TRUE(pumpUntil([&] { return outcome().finished == 2; }));
    EXPECT_EQ(clientPortsConnectedTo(sim().port()), afterFirst);
    EXPECT_EQ(sim().requestLog().size(), 2u);
}

// ---- Downloads

TEST_P(HttpRequestTest, DownloadReplacesTheFileOnlyWithASuccessfulBody) {
    struct Case {
        std::string path;
        bool drop;
        int status;
        std::string inMemory;
        std::string inFile;
    };
    for (const auto& [path, drop, status, inMemory, inFile] :
         std::vector<Case>{{"/health", false, 200, "", "ok"},
                           {"/no/such/tile.png", false, 404, "not found", "old"},
                           {"/health", true, 0, "", "old"}}) {
        SCOPED_TRACE(path + (drop ? " dropped" : ""));
        qovtest::TempHome home;
        const auto destination = home.path() / "file";
        std::ofstream(destination) << "old";
        sim().faults().clear();
        if (drop) {
            sim().faults().add(qovsim::Fault{.pathPattern = "*", .dropConnection = true});
        }
        resetOutcome();
        auto request = makeRequest(path);
        request->setDownloadDestinationPath(destination);
        queue().addOperation(request);
        ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
        EXPECT_EQ(outcome().failed, drop ? 1 : 0);
        EXPECT_EQ(request->responseStatusCode(), status);
        EXPECT_EQ(request->responseString(), inMemory);
        EXPECT_EQ(readFile(destination), inFile);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}), 1);  // no temporary left
    }
}

TEST_P(HttpRequestTest, DownloadIntoAMissingFolderFailsWithAFileError) {
    qovtest::TempHome home;
    auto request = makeRequest("/health");
    request->setDownloadDestinationPath(home.path() / "missing" / "health.txt");
    queue().addOperation(request);
    ASSERT_TRUE(pumpUntil([&] { return outcome().delivered(); }));
    ASSERT_TRUE(request->error().has_value());
    EXPECT_EQ(request->error()->code(), Error::Code::FileError);
    EXPECT_TRUE(sim().requestLog().empty());
}

// ---- Set-up values

TEST(HttpRequestSetup, TimeOutDefaultsToTenSecondsAndIgnoresNonsense) {
    HttpRequest request("http://127.0.0.1/");
    EXPECT_EQ(request.timeOutSeconds(), 10.0);
    for (const double seconds : {20.0, 0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        request.setTimeOutSeconds(seconds);
    }
    EXPECT_EQ(request.timeOutSeconds(), 20.0);
}

}  // namespace
