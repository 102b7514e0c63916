#include "sim/NewsRoutes.h"

#include <regex>

#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class NewsRoutesTest : public qovtest::ServiceRoutesFixture {};

TEST_F(NewsRoutesTest, TheFeedIsWellFormedRssWithSixDatedItems) {
    auto response = get("/wxdata/articles/get.xml");
    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 200);
    const std::string& body = response->body;
    EXPECT_TRUE(body.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"));
    EXPECT_TRUE(body.ends_with("</channel></rss>\n"));
    // Every ampersand starts an entity.
    EXPECT_FALSE(std::regex_search(body, std::regex("&(?!(amp|lt|gt|quot);)")));
    std::size_t items = 0;
    for (auto at = body.find("<item>"); at != std::string::npos; at = body.find("<item>", at + 1)) {
        ++items;
    }
    EXPECT_EQ(items, 6U);
    EXPECT_NE(body.find("<pubDate>Fri, 15 Jan 2027 06:00:00 GMT</pubDate>"), std::string::npos);
    EXPECT_TRUE(isKeyRefusal(get("/wxdata/articles/get.xml", "bad")));
}

}  // namespace
}  // namespace qovsim
