#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "app/core/model/ModelClasses.h"
#include "platform/base/Clock.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/PropertyList.h"

namespace qovtest {

// The moment the model fixtures are written around: 2027-01-15 08:00:00 UTC.
inline constexpr double kFixtureTime = 1'800'000'000.0;

inline std::string readModelFixture(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(QOV_TEST_FIXTURES_DIR) / "model" / name;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "missing fixture " << path;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Installs a manual process clock at the fixture time for the test's lifetime.
class ManualClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_clock = std::make_shared<platform::ManualClock>(platform::Date{kFixtureTime});
        platform::Clock::setShared(m_clock);
        qov::registerModelClasses();
    }
    void TearDown() override { platform::Clock::setShared(std::make_shared<platform::SystemClock>()); }

    platform::ManualClock& clock() { return *m_clock; }

private:
    std::shared_ptr<platform::ManualClock> m_clock;
};

// Archives an object and reads it back as the same class.
template <typename T>
std::shared_ptr<T> archiveRoundTrip(const T& object) {
    qov::registerModelClasses();
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(object);
    EXPECT_TRUE(data.has_value());
    if (!data) {
        return nullptr;
    }
    return platform::KeyedUnarchiver::unarchiveObjectOfClass<T>(*data);
}

// The root dictionary of an object's archive, as any property-list reader sees it.
inline platform::Dictionary archiveDictionary(const platform::Archivable& object) {
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(object);
    if (!data) {
        return {};
    }
    std::string problem;
    const auto node = platform::PropertyList::parseBinary(
        std::string_view(reinterpret_cast<const char*>(data->data()), data->size()), problem);
    const platform::Value value = platform::PropertyList::toValue(node.get());
    return value.ifDictionary() ? *value.ifDictionary() : platform::Dictionary{};
}

inline std::set<std::string> archiveKeys(const platform::Archivable& object) {
    std::set<std::string> keys;
    for (const auto& [key, value] : archiveDictionary(object)) {
        keys.insert(key);
    }
    return keys;
}

}  // namespace qovtest
