#include "platform/storage/UserDefaults.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <thread>

#include "platform/storage/AppDirectories.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace platform {
namespace {

class Thing : public Object {};

std::string readFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path().filename());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class UserDefaultsTest : public qovtest::ManualClockFixture {
protected:
    qovtest::TempHome m_home;
    std::filesystem::path m_file = m_home.path() / "com.example.test.plist";
};

TEST_F(UserDefaultsTest, EveryKindPersistsToTheNextInstance) {
    {
        UserDefaults defaults(m_file);
        defaults.setString("Zürich <&> \"quoted\"", "text");
        defaults.setInteger(std::numeric_limits<std::int64_t>::min(), "lowest");
        defaults.setInteger(std::numeric_limits<std::int64_t>::max(), "highest");
        defaults.setBool(true, "flag");
        defaults.setDouble(-0.1, "ratio");
        defaults.setDouble(std::numeric_limits<double>::quiet_NaN(), "nan");
        defaults.setObject(Data{0, 1, 255}, "blob");
        defaults.setObject(Date{1'800'000'000.0}, "when");
        defaults.setObject(Array{1, "two", Array{3.5}}, "list");
        defaults.setObject(Dictionary{{"nested", Dictionary{{"deep", false}}}, {"n", 4}}, "map");
        loop().runUntilIdle();
    }
    const UserDefaults defaults(m_file);
    EXPECT_EQ(defaults.stringForKey("text"), "Zürich <&> \"quoted\"");
    EXPECT_EQ(defaults.integerForKey("lowest"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(defaults.integerForKey("highest"), std::numeric_limits<std::int64_t>::max());
    EXPECT_TRUE(defaults.boolForKey("flag"));
    EXPECT_EQ(defaults.doubleForKey("ratio"), -0.1);
    EXPECT_TRUE(std::isnan(defaults.doubleForKey("nan")));
    EXPECT_EQ(defaults.dataForKey("blob"), (Data{0, 1, 255}));
    EXPECT_EQ(defaults.objectForKey("when"), Value(Date{1'800'000'000.0}));
    EXPECT_EQ(defaults.arrayForKey("list"), (Array{1, "two", Array{3.5}}));
    EXPECT_EQ(defaults.dictionaryForKey("map"), (Dictionary{{"nested", Dictionary{{"deep", false}}}, {"n", 4}}));
    EXPECT_TRUE(defaults.objectForKey("absent").isNull());
}

TEST_F(UserDefaultsTest, ABurstOfChangesIsOneWriteOnTheRunLoop) {
    UserDefaults defaults(m_file);
    defaults.setInteger(1, "a");
    defaults.setInteger(2, "b");
    defaults.removeObjectForKey("a");
    defaults.setString("c", "c");
    EXPECT_FALSE(std::filesystem::exists(m_file));  // nothing written before the loop turns
    EXPECT_EQ(loop().runUntilIdle(), 1U);
    EXPECT_EQ(UserDefaults(m_file).integerForKey("b"), 2);
    EXPECT_TRUE(UserDefaults(m_file).objectForKey("a").isNull());

    defaults.setInteger(2, "b");  // no change, no write
    defaults.removeObjectForKey("absent");
    EXPECT_EQ(loop().runUntilIdle(), 0U);

    defaults.setInteger(3, "b");
    EXPECT_EQ(loop().runUntilIdle(), 1U);
    EXPECT_EQ(UserDefaults(m_file).integerForKey("b"), 3);
}

TEST_F(UserDefaultsTest, SynchronizeAndDestructionWriteAtOnce) {
    auto defaults = std::make_unique<UserDefaults>(m_file);
    defaults->setBool(true, "now");
    EXPECT_TRUE(defaults->synchronize());
    EXPECT_TRUE(UserDefaults(m_file).boolForKey("now"));

    defaults->setBool(true, "later");
    defaults.reset();  // pending change written by the destructor
    EXPECT_TRUE(UserDefaults(m_file).boolForKey("later"));
    loop().runUntilIdle();  // the write posted for the destroyed instance does nothing
    EXPECT_TRUE(UserDefaults(m_file).boolForKey("later"));
}

TEST_F(UserDefaultsTest, TheFileIsAPrivateXmlPropertyListWrittenAtomically) {
    UserDefaults defaults(m_file);
    defaults.setString("value", "key");
    ASSERT_TRUE(defaults.synchronize());
    struct stat status {};
    ASSERT_EQ(::stat(m_file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600U);
    const std::string text = readFile(m_file);
    EXPECT_NE(text.find("<?xml"), std::string::npos);
    EXPECT_NE(text.find("<key>key</key>"), std::string::npos);
    EXPECT_EQ(filesIn(m_home.path()), std::vector<std::filesystem::path>{m_file.filename()});
}

TEST_F(UserDefaultsTest, CorruptFilesAreMovedAsideAndReplaced) {
    const std::string garbage = "<?xml version=\"1.0\"?><plist><dict><key>lost";
    writeFile(m_file, garbage);
    {
        const qovtest::LogCapture log;
        UserDefaults defaults(m_file);
        EXPECT_TRUE(log.contains("moved the unreadable user defaults"));
        EXPECT_TRUE(defaults.objectForKey("lost").isNull());
        defaults.setInteger(5, "fresh");
    }
    const auto seconds = std::to_string(static_cast<long long>(clock()->now().secondsSince1970));
    const auto aside = m_home.path() / (m_file.filename().string() + ".corrupt-" + seconds);
    EXPECT_EQ(readFile(aside), garbage);
    EXPECT_EQ(UserDefaults(m_file).integerForKey("fresh"), 5);

    writeFile(m_file, "[1, 2, 3]");  // corrupt again within the same second
    EXPECT_TRUE(UserDefaults(m_file).objectForKey("fresh").isNull());
    EXPECT_EQ(readFile(m_home.path() / (aside.filename().string() + "-1")), "[1, 2, 3]");
}

TEST_F(UserDefaultsTest, EmptyTruncatedWrongRootAndHostileFilesGiveEmptyDefaults) {
    writeFile(m_file, "");
    EXPECT_TRUE(UserDefaults(m_file).objectForKey("anything").isNull());
    EXPECT_EQ(filesIn(m_home.path()), std::vector<std::filesystem::path>{m_file.filename()});  // stays in place
    {
        UserDefaults defaults(m_file);
        defaults.setObject(Array{"one", "two", "three"}, "list");
        ASSERT_TRUE(defaults.synchronize());
    }
    const std::string whole = readFile(m_file);
    writeFile(m_file, whole.substr(0, whole.size() / 2));
    EXPECT_TRUE(UserDefaults(m_file).arrayForKey("list").empty());

    writeFile(m_file, "<plist version=\"1.0\"><array><string>x</string></array></plist>");
    EXPECT_TRUE(UserDefaults(m_file).objectForKey("x").isNull());

    for (int byte = 0; byte < 200; ++byte) {  // random bytes
        std::string noise(64 + byte, '\0');
        for (std::size_t index = 0; index < noise.size(); ++index) {
            noise[index] = static_cast<char>((index * 7919 + static_cast<std::size_t>(byte) * 104729) % 251);
        }
        writeFile(m_file, (byte % 2 ? "bplist00" : "<plist>") + noise);
        EXPECT_TRUE(UserDefaults(m_file).objectForKey("k").isNull());
    }
}

TEST_F(UserDefaultsTest, WrongKindReadsAnswerTheZeroValue) {
    UserDefaults defaults(m_file);
    defaults.setString("12", "text");
    defaults.setInteger(7, "number");
    defaults.setDouble(2.9, "real");
    defaults.setObject(Dictionary{{"a", 1}}, "map");
    EXPECT_EQ(defaults.integerForKey("text"), 0);
    EXPECT_FALSE(defaults.boolForKey("text"));
    EXPECT_EQ(defaults.stringForKey("number"), "");
    EXPECT_TRUE(defaults.arrayForKey("map").empty());
    // Numbers and booleans convert among themselves.
    EXPECT_EQ(defaults.integerForKey("real"), 2);
    EXPECT_TRUE(defaults.boolForKey("number"));
    EXPECT_EQ(defaults.doubleForKey("number"), 7.0);
}

TEST_F(UserDefaultsTest, ObjectsAreRefusedAndNullRemoves) {
    UserDefaults defaults(m_file);
    defaults.setObject(std::make_shared<Thing>(), "object");
    EXPECT_TRUE(defaults.objectForKey("object").isNull());
    defaults.setObject(Array{1, std::make_shared<Thing>(), Dictionary{{"o", std::make_shared<Thing>()}}}, "list");
    EXPECT_EQ(defaults.arrayForKey("list"), (Array{1, Dictionary{}}));
    defaults.setObject(Date{1e15}, "far");
    EXPECT_TRUE(defaults.objectForKey("far").isNull());
    defaults.setObject(Value(), "list");
    EXPECT_TRUE(defaults.objectForKey("list").isNull());
    ASSERT_TRUE(defaults.synchronize());
    EXPECT_TRUE(UserDefaults(m_file).objectForKey("list").isNull());
}

TEST_F(UserDefaultsTest, AnUnwritableFileIsReportedAndRetried) {
    const auto blocked = m_home.path() / "blocked";
    writeFile(blocked, "a file where a folder should be");
    UserDefaults defaults(blocked / "defaults.plist");
    defaults.setInteger(1, "k");
    EXPECT_FALSE(defaults.synchronize());
    std::filesystem::remove(blocked);
    EXPECT_TRUE(defaults.synchronize());  // still pending, written once possible
    EXPECT_EQ(UserDefaults(blocked / "defaults.plist").integerForKey("k"), 1);
}

TEST_F(UserDefaultsTest, AFileThatCannotBeLookedAtIsLeftAloneAndNeverWritten) {
    std::filesystem::create_symlink(m_file, m_file);  // a loop
    {
        UserDefaults defaults(m_file);
        EXPECT_NE(defaults.unusableReason().find("cannot look at the user defaults " + m_file.string()),
                  std::string::npos)
            << defaults.unusableReason();
        defaults.setInteger(1, "k");
        EXPECT_FALSE(defaults.synchronize());
    }
    EXPECT_EQ(std::filesystem::read_symlink(m_file), m_file);
    EXPECT_EQ(filesIn(m_home.path()), std::vector<std::filesystem::path>{m_file.filename()});
}

TEST_F(UserDefaultsTest, ADamagedValueIsKeptBesideTheFileBeforeItIsRemoved) {
    UserDefaults defaults(m_file);
    const std::string bytes("bplist00\xFF\x00\x01", 11);
    defaults.setObject(Data(bytes.begin(), bytes.end()), "archive");
    defaults.setString("not data", "text");
    defaults.setString("kept", "odd/key");
    defaults.removeDamagedObjectForKey("archive", "not a readable archive");
    defaults.removeDamagedObjectForKey("text", "not archived data");
    defaults.removeDamagedObjectForKey("odd/key", "not archived data");  // no file can be named so: it stays
    defaults.removeDamagedObjectForKey("absent", "not archived data");
    ASSERT_TRUE(defaults.synchronize());

    const auto seconds = std::to_string(static_cast<long long>(clock()->now().secondsSince1970));
    const auto aside = [&](const std::string& key) {
        return m_home.path() / (m_file.filename().string() + "." + key + ".corrupt-" + seconds);
    };
    EXPECT_EQ(readFile(aside("archive")), bytes);
    EXPECT_NE(readFile(aside("text")).find("<string>not data</string>"), std::string::npos);
    EXPECT_EQ(filesIn(m_home.path()).size(), 3u);
    const UserDefaults reread(m_file);
    EXPECT_TRUE(reread.objectForKey("archive").isNull());
    EXPECT_TRUE(reread.objectForKey("text").isNull());
    EXPECT_EQ(reread.stringForKey("odd/key"), "kept");
}

TEST_F(UserDefaultsTest, ConcurrentChangesAreAllKept) {
    UserDefaults defaults(m_file);
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([&defaults, thread] {
            for (int index = 0; index < 50; ++index) {
                defaults.setInteger(index, "key" + std::to_string(thread) + "-" + std::to_string(index));
                if (index % 10 == 0) {
                    defaults.synchronize();
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    loop().runUntilIdle();
    const UserDefaults reread(m_file);
    for (int thread = 0; thread < 4; ++thread) {
        EXPECT_EQ(reread.integerForKey("key" + std::to_string(thread) + "-49"), 49);
    }
}

TEST_F(UserDefaultsTest, StandardLivesInThePreferencesFolderUnderTheBundleIdentifier) {
    const qovtest::TestBundle bundle;
    const auto previous = AppDirectories::shared();
    AppDirectories::setShared(std::make_shared<AppDirectories>(m_home.path()));
    UserDefaults::resetStandard(nullptr);
    EXPECT_EQ(UserDefaults::standard()->file(), m_home.path() / "Library" / "Preferences" / "com.qovara.Qovara.plist");

    const auto bundleFolder = m_home.path() / "Other.app";
    std::filesystem::create_directories(bundleFolder);
    {
        const qovtest::TestBundle other(bundleFolder);
        UserDefaults::resetStandard(nullptr);
        EXPECT_EQ(UserDefaults::standard()->file().filename(), "com.qovara.Qovara.plist");  // no identifier
        writeFile(bundleFolder / "Info.plist",
                  "<plist version=\"1.0\"><dict><key>CFBundleIdentifier</key><string>com.example.other</string>"
                  "</dict></plist>");
        const qovtest::TestBundle identified(bundleFolder);
        UserDefaults::resetStandard(nullptr);
        EXPECT_EQ(UserDefaults::standard()->file().filename(), "com.example.other.plist");
    }

    UserDefaults::resetStandard(nullptr);
    AppDirectories::setShared(previous);
}

}  // namespace
}  // namespace platform
