#include "app/core/categories/NSStringHelper.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/storage/Bundle.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

// A main bundle whose "common.na" reads "n/v", restored afterwards.
class NSStringHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = platform::Bundle::main().resourcePath();
        std::filesystem::create_directories(m_home.path() / "en.lproj");
        std::ofstream(m_home.path() / "en.lproj" / "Localizable.strings") << "\"common.na\" = \"n/v\";\n";
        platform::Bundle::setMainBundlePath(m_home.path());
    }
    void TearDown() override { platform::Bundle::setMainBundlePath(m_previous); }

private:
    qovtest::TempHome m_home;
    std::filesystem::path m_previous;
};

TEST_F(NSStringHelperTest, NullAndNaTextsAreReplacedOrStripped) {
    EXPECT_EQ(NSStringHelper::nullToNA("High (null)F"), "n/v");  // the whole text
    EXPECT_EQ(NSStringHelper::nullToNA("(nul)"), "(nul)");
    EXPECT_EQ(NSStringHelper::localizeNA("Wind N/A, gusts N/A"), "Wind n/v, gusts n/v");
    EXPECT_EQ(NSStringHelper::localizeNA("N/A(null)"), "n/v");
    EXPECT_EQ(NSStringHelper::localizeNA("n/a"), "n/a");
    EXPECT_EQ(NSStringHelper::stripOutNulls("(null)a(null)(null)b(null"), "ab(null");
    EXPECT_EQ(NSStringHelper::stripOutNulls("((null)null)"), "(null)");
}

TEST(NSStringHelper, UrlEncodingEscapesReservedCharactersAndUtf8) {
    EXPECT_EQ(NSStringHelper::urlEncoded("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(NSStringHelper::urlEncoded("!*'\"();:@&=+$,/?%#[] "),
              "%21%2A%27%22%28%29%3B%3A%40%26%3D%2B%24%2C%2F%3F%25%23%5B%5D%20");
    EXPECT_EQ(NSStringHelper::urlEncoded("caf\u00e9 <\x01>"), "caf%C3%A9%20%3C%01%3E");
    EXPECT_EQ(NSStringHelper::urlEncoded(std::string_view("a\0b", 3)), "a%00b");
}

}  // namespace
}  // namespace qov
