#include "platform/storage/Bundle.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace platform {
namespace {

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

class BundleTest : public ::testing::Test {
protected:
    qovtest::TempHome m_home;
    Bundle m_bundle{m_home.path()};

    void writeTable(const std::string& text, const std::string& table = "Localizable") {
        writeFile(m_home.path() / "en.lproj" / (table + ".strings"), text);
    }
};

TEST_F(BundleTest, StringsTablesUnderstandEscapesAndComments) {
    writeTable(
        "\xEF\xBB\xBF/* A block comment\n   over two lines with \"quotes\" = \"x\"; */\n"
        "\"plain\" = \"Plain text\";\n"
        "// a line comment \"commented\" = \"out\";\n"
        "\"escapes\" = \"say \\\"hi\\\"\\n\\tback\\\\slash\";\n"
        "\"unicode\" = \"\\U00B0F \\u00e9 \\UD83D\\UDE00\";\n"
        "  \"spaced\"   =\n  \"over lines\" /* inline */ ;\n"
        "\"utf8\" = \"Zürich 東京\";\n"
        "\"data.age.%@.minute\" = \"%@ min ago\";");
    EXPECT_EQ(m_bundle.localizedString("plain"), "Plain text");
    EXPECT_EQ(m_bundle.localizedString("escapes"), "say \"hi\"\n\tback\\slash");
    EXPECT_EQ(m_bundle.localizedString("unicode"), "\u00B0F \u00E9 \U0001F600");
    EXPECT_EQ(m_bundle.localizedString("spaced"), "over lines");
    EXPECT_EQ(m_bundle.localizedString("utf8"), "Zürich 東京");
    EXPECT_EQ(m_bundle.localizedString("data.age.%@.minute"), "%@ min ago");
    EXPECT_EQ(m_bundle.localizedString("commented", "fallback"), "fallback");
    EXPECT_EQ(m_bundle.localizedString("quotes"), "quotes");
}

TEST_F(BundleTest, MissingKeysAnswerTheDefaultOrTheKey) {
    writeTable("\"known\" = \"Known\";\n");
    EXPECT_EQ(m_bundle.localizedString("unknown", "Default"), "Default");
    EXPECT_EQ(m_bundle.localizedString("unknown"), "unknown");
    EXPECT_EQ(m_bundle.localizedString("known", "", "Missing"), "known");
    EXPECT_EQ(m_bundle.localizedString("known", "", "../Localizable"), "known");
    writeTable("\"known\" = \"Other table\";\n", "Other");
    EXPECT_EQ(m_bundle.localizedString("known", "", "Other"), "Other table");
}

TEST_F(BundleTest, MalformedEntriesAreSkippedWithoutLosingTheRest) {
    writeTable(
        "\"first\" = \"1\";\n"
        "\"no semicolon\" = \"x\"\n"
        "\"second\" = \"2\";\n"
        "unquoted = \"y\";\n"
        "\"third\" = \"3\";\n"
        "\"unterminated\" = \"oops;\n"
        "\"fourth\" = \"4\";\n"
        "\"bad escape\" = \"\\UZZZZ\";\n"
        "\"lone surrogate\" = \"\\UD800\";\n"
        "\"missing value\" = ;\n"
        "\"fifth\" = \"5\";\n"
        "\"last\" = \"open\n"
        "/* never closed \"lost\" = \"no\";");
    EXPECT_EQ(m_bundle.localizedString("first"), "1");
    EXPECT_EQ(m_bundle.localizedString("second"), "2");
    EXPECT_EQ(m_bundle.localizedString("third"), "3");
    EXPECT_EQ(m_bundle.localizedString("fourth"), "4");
    EXPECT_EQ(m_bundle.localizedString("fifth"), "5");
    EXPECT_EQ(m_bundle.localizedString("no semicolon"), "no semicolon");
    EXPECT_EQ(m_bundle.localizedString("bad escape"), "bad escape");
    EXPECT_EQ(m_bundle.localizedString("lone surrogate"), "lone surrogate");
    EXPECT_EQ(m_bundle.localizedString("last"), "last");
    EXPECT_EQ(m_bundle.localizedString("lost"), "lost");
}

// The identifier of a real Info.plist is read by the main bundle test below.
TEST_F(BundleTest, MissingOrBadInfoPlistGivesAnEmptyDictionary) {
    EXPECT_TRUE(m_bundle.infoDictionary().empty());  // missing
    for (const char* text :
         {"<plist><dict><key>open", "<plist version=\"1.0\"><array><string>x</string></array></plist>"}) {
        writeFile(m_home.path() / "Info.plist", text);
        EXPECT_TRUE(Bundle(m_home.path()).infoDictionary().empty()) << text;
    }
}

TEST_F(BundleTest, ResourcesAreFoundInTheBundleOrItsLanguageFolder) {
    writeFile(m_home.path() / "icon.png", "png");
    writeFile(m_home.path() / "en.lproj" / "help.html", "html");
    writeFile(m_home.path().parent_path() / "outside.txt", "secret");
    EXPECT_EQ(m_bundle.pathForResource("icon", "png"), m_home.path() / "icon.png");
    EXPECT_EQ(m_bundle.pathForResource("help", "html"), m_home.path() / "en.lproj" / "help.html");
    EXPECT_EQ(m_bundle.pathForResource("help.html", ""), m_home.path() / "en.lproj" / "help.html");
    EXPECT_TRUE(m_bundle.pathForResource("missing", "png").empty());
    EXPECT_TRUE(m_bundle.pathForResource("en.lproj", "").empty());  // a folder is no resource
    EXPECT_TRUE(m_bundle.pathForResource("../outside", "txt").empty());
    EXPECT_TRUE(m_bundle.pathForResource("/etc/passwd", "").empty());
    std::filesystem::remove(m_home.path().parent_path() / "outside.txt");
    EXPECT_EQ(m_bundle.resourcePath(), m_home.path());
}

TEST_F(BundleTest, MainBundleIsTheApplicationBundleAndCanBeMoved) {
    const auto before = Bundle::main().resourcePath();
    {
        const qovtest::TestBundle application;
        EXPECT_EQ(Bundle::main().objectForInfoDictionaryKey("CFBundleIdentifier"), Value("com.qovara.Qovara"));
        EXPECT_NE(Bundle::main().localizedString("error.network.connectionfailed"), "error.network.connectionfailed");

        writeTable("\"error.network.connectionfailed\" = \"Moved\";\n");
        const qovtest::TestBundle moved(m_home.path());
        EXPECT_EQ(Bundle::main().localizedString("error.network.connectionfailed"), "Moved");
        EXPECT_TRUE(Bundle::main().objectForInfoDictionaryKey("CFBundleIdentifier").isNull());
    }
    EXPECT_EQ(Bundle::main().resourcePath(), before);
}

}  // namespace
}  // namespace platform
