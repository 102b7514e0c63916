#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "app/core/error/QOVError.h"
#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVModelFactory.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/PropertyList.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TestPaths.h"

namespace qovtest {

// The moment the model fixtures are written around: 2027-01-15 08:00:00 UTC.
inline constexpr double kFixtureTime = 1'800'000'000.0;

inline std::string readModelFixture(const std::string& name) {
    const std::filesystem::path path = testFixturesDirectory() / "model" / name;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "missing fixture " << path;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The manual clock and main loop set at the fixture time, with the model classes registered.
class ManualClockTest : public ManualClockFixture {
protected:
    ManualClockTest() {
        clock()->set(platform::Date{kFixtureTime});
        qov::registerModelClasses();
    }
};

// A clean error registry, and a record of the errors the factory fires.
class FactoryTest : public ManualClockTest {
protected:
    FactoryTest() {
        qov::QOVError::clearAllErrors();
        platform::NotificationCenter::defaultCenter().addObserver(
            this, qov::QOVError::kFiredNotification, [this](const platform::Notification& notification) {
                const auto* error = platform::valueForKey(notification.userInfo, qov::QOVError::kErrorKey);
                ASSERT_NE(error, nullptr);
                fired.push_back(error->object<qov::QOVError>());
                senders.push_back(notification.object);
            });
    }
    ~FactoryTest() override { qov::QOVError::clearAllErrors(); }

    qov::QOVModelFactory& factory() { return *qov::QOVModelFactory::sharedInstance(); }
    void forgetErrors() {
        qov::QOVError::clearAllErrors();
        fired.clear();
        senders.clear();
    }
    // Exactly one "no data" error was fired since the last forgetErrors(), by the factory.
    void expectNoDataFired(const std::string& trace) {
        ASSERT_EQ(fired.size(), 1U) << trace;
        EXPECT_EQ(fired[0]->category(), 1);
        EXPECT_EQ(fired[0]->type(), 1);
        EXPECT_EQ(fired[0]->textKey(), "error.no.data.returned");
        EXPECT_EQ(senders[0].object<qov::QOVModelFactory>(), qov::QOVModelFactory::sharedInstance());
    }

    std::vector<std::shared_ptr<qov::QOVError>> fired;
    std::vector<platform::Value> senders;
};

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

// Archives an object and reads it back as the same class.
template <typename T>
std::shared_ptr<T> archiveRoundTrip(const T& object) {
    qov::registerModelClasses();
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(object);
    EXPECT_TRUE(data.has_value());
    return data ? platform::KeyedUnarchiver::unarchiveObjectOfClass<T>(*data) : nullptr;
}

// A round trip whose copy archives exactly as the original did: every archived field was read back into place.
template <typename T>
std::shared_ptr<T> faithfulRoundTrip(const T& object) {
    auto copy = archiveRoundTrip(object);
    if (copy) {
        EXPECT_EQ(archiveDictionary(*copy), archiveDictionary(object));
    }
    return copy;
}

inline std::set<std::string> archiveKeys(const platform::Archivable& object) {
    std::set<std::string> keys;
    for (const auto& [key, value] : archiveDictionary(object)) {
        keys.insert(key);
    }
    return keys;
}

// A key set written as one space-separated text.
inline std::set<std::string> keys(const std::string& names) {
    std::istringstream words(names);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

// The binary property list of a root dictionary written by hand (an archive another writer could have left).
inline platform::Data binaryArchiveOf(const platform::Dictionary& root) {
    const auto node = platform::PropertyList::fromValue(platform::Value(root));
    const auto bytes = platform::PropertyList::binaryBytes(node.get());
    return bytes ? platform::Data(bytes->begin(), bytes->end()) : platform::Data{};
}

}  // namespace qovtest
