#include "sim/Fault.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "sim/FaultSet.h"

namespace qovsim {
namespace {

TEST(GlobTest, StarAndQuestionMarkMatchAcrossSlashes) {
    EXPECT_TRUE(globMatches("*", ""));
    EXPECT_TRUE(globMatches("/wxdata/*", "/wxdata/mobile/mobagg/USGA0028:1.js"));
    EXPECT_TRUE(globMatches("/wxdata/*/USGA0028:?.js", "/wxdata/loc/USGA0028:1.js"));
    EXPECT_TRUE(globMatches("/a*b*c", "/aXbYbZc"));
    EXPECT_FALSE(globMatches("/wxdata/*", "/health"));
    EXPECT_FALSE(globMatches("/health", "/healthz"));
    EXPECT_FALSE(globMatches("/health?", "/health"));
    EXPECT_FALSE(globMatches("*.png", "/a.png.js"));
}

TEST(GlobTest, HostilePatternsStayFast) {
    std::string text(2000, 'a');
    EXPECT_FALSE(globMatches("*a*a*a*a*a*a*a*a*a*b", text));
}

TEST(FaultJsonTest, ReadsWhatItWritesAndDefaultsAbsentMembers) {
    Fault fault{.pathPattern = "/x*",
                .delaySeconds = 1.5,
                .status = 503,
                .truncateBody = true,
                .malformBody = true,
                .dropConnection = true,
                .answerPath = "/y"};
    auto read = Fault::fromJson(fault.toJson());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pathPattern, "/x*");
    EXPECT_DOUBLE_EQ(read->delaySeconds, 1.5);
    EXPECT_EQ(read->status, 503);
    EXPECT_TRUE(read->truncateBody && read->malformBody && read->dropConnection);
    EXPECT_EQ(read->answerPath, "/y");

    auto minimal = Fault::fromJson(nlohmann::json::object());
    ASSERT_TRUE(minimal);
    EXPECT_EQ(minimal->pathPattern, "*");
}

TEST(FaultJsonTest, RefusesWrongKindsAndOutOfRangeValues) {
    for (const char* text :
         {R"([])", R"("x")", R"({"pathPattern": 3})", R"({"delaySeconds": "1"})", R"({"delaySeconds": -0.5})",
          R"({"status": 99})", R"({"status": 600})", R"({"status": 500.5})", R"({"dropConnection": null})"}) {
        EXPECT_FALSE(Fault::fromJson(nlohmann::json::parse(text))) << text;
    }
}

TEST(FaultSetTest, LatestMatchingFaultWinsAndSamePatternReplaces) {
    FaultSet faults;
    faults.add(Fault{.pathPattern = "*", .status = 500});
    faults.add(Fault{.pathPattern = "/wxdata/*", .status = 502});
    EXPECT_EQ(faults.match("/wxdata/loc/a.js")->status, 502);
    EXPECT_EQ(faults.match("/health")->status, 500);

    faults.add(Fault{.pathPattern = "*", .status = 503});
    ASSERT_EQ(faults.faults().size(), 2u);
    EXPECT_EQ(faults.match("/wxdata/loc/a.js")->status, 503);

    faults.remove("*");
    EXPECT_FALSE(faults.match("/health"));
    EXPECT_EQ(faults.match("/wxdata/x")->status, 502);
    faults.clear();
    EXPECT_FALSE(faults.match("/wxdata/x"));
}

}  // namespace
}  // namespace qovsim
