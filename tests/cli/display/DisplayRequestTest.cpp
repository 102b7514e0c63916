#include "cli/display/DisplayRequest.h"

#include <gtest/gtest.h>

namespace qovcli {
namespace {

TEST(DisplayRequestTest, ReadsTheHeadOrRefusesIt) {
    const struct {
        std::string head;
        bool read;
        std::string path;
        std::string host;
        std::size_t length;
    } cases[] = {
        {"GET /state?after=3&token=ab HTTP/1.1\r\nHost: 127.0.0.1:9\r\n\r\n", true, "/state", "127.0.0.1:9", 0},
        {"POST /type HTTP/1.0\nhost:  localhost:9 \ncontent-length: 12\n\n", true, "/type", "localhost:9", 12},
        {"GET / HTTP/2\r\n", false, "", "", 0},
        {"GET state HTTP/1.1\r\n", false, "", "", 0},
        {"GET /a b HTTP/1.1\r\n", false, "", "", 0},
        {"GET / HTTP/1.1\r\nno colon\r\n", false, "", "", 0},
        {"POST / HTTP/1.1\r\nContent-Length: -1\r\n", false, "", "", 0},
        {"POST / HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n", false, "", "", 0},
        {"POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 1\r\n", false, "", "", 0},
        {"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n", false, "", "", 0},
        {"", false, "", "", 0},
    };
    for (const auto& each : cases) {
        const auto request = readDisplayRequestHead(each.head);
        ASSERT_EQ(request.has_value(), each.read) << each.head;
        if (request) {
            EXPECT_EQ(request->path, each.path) << each.head;
            EXPECT_EQ(request->host, each.host) << each.head;
            EXPECT_EQ(request->contentLength, each.length) << each.head;
        }
    }
}

TEST(DisplayRequestTest, DecodesTheQueryOnce) {
    const auto request = readDisplayRequestHead("POST /button?name=clock%2B600&x=a+b&x=second&bad=%zz&flag HTTP/1.1");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->parameter("name"), "clock+600");
    EXPECT_EQ(request->parameter("x"), "a b") << "the first of repeated names";
    EXPECT_EQ(request->parameter("bad"), "%zz");
    EXPECT_TRUE(request->parameters.count("flag"));
    EXPECT_EQ(request->parameter("missing"), "");
}

}  // namespace
}  // namespace qovcli
