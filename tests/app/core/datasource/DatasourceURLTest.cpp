#include "app/core/datasource/DatasourceURL.h"

#include <gtest/gtest.h>

namespace qov {
namespace {

TEST(DatasourceURLTest, EncodesEverythingButUnreservedCharacters) {
    EXPECT_EQ(DatasourceURL::encodeComponent("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(DatasourceURL::encodeComponent("a b/c?d&e=f#g:h%"), "a%20b%2Fc%3Fd%26e%3Df%23g%3Ah%25");
    EXPECT_EQ(DatasourceURL::encodeComponent("Zürich"), "Z%C3%BCrich");
    EXPECT_EQ(DatasourceURL::encodeComponent(std::string("a\0b", 3)), "a%00b");
    EXPECT_EQ(DatasourceURL::encodeComponent(""), "");
}

TEST(DatasourceURLTest, LocationIdentifierKeepsItsColon) {
    EXPECT_EQ(DatasourceURL::encodeLocationIdentifier("USGA0028:1"), "USGA0028:1");
    EXPECT_EQ(DatasourceURL::encodeLocationIdentifier("../x y:4"), "..%2Fx%20y:4");
}

TEST(DatasourceURLTest, RedactsOnlyTheKeyParameter) {
    EXPECT_EQ(DatasourceURL::redactedForLog("http://h/p.js?locale=en_US&key=secret"),
              "http://h/p.js?locale=en_US&key=REDACTED");
    EXPECT_EQ(DatasourceURL::redactedForLog("http://h/p.js?key=secret&monkey=1&keys=2"),
              "http://h/p.js?key=REDACTED&monkey=1&keys=2");
    EXPECT_EQ(DatasourceURL::redactedForLog("http://h/p.js?key"), "http://h/p.js?key=REDACTED");
    EXPECT_EQ(DatasourceURL::redactedForLog("http://h/p.js?a=1&key=s#frag"), "http://h/p.js?a=1&key=REDACTED#frag");
    EXPECT_EQ(DatasourceURL::redactedForLog("http://h/key=secret"), "http://h/key=secret");
}

}  // namespace
}  // namespace qov
