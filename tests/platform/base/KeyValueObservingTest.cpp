#include "platform/base/KeyValueObserving.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

struct Change {
    std::string observer;
    std::string keyPath;
    Value oldValue;
    Value newValue;
    friend bool operator==(const Change&, const Change&) = default;
};

class KeyValueObservingTest : public ::testing::Test {
protected:
    KeyValueObserving::Handler recorder(std::string observer) {
        return [this, observer](const std::string& keyPath, const Value& oldValue, const Value& newValue) {
            m_changes.push_back({observer, keyPath, oldValue, newValue});
        };
    }

    KeyValueObserving m_observers;
    std::vector<Change> m_changes;
    const int m_first = 0;
    const int m_second = 0;
};

// A did-change reports the value its will-change saw; without one the old value is null.
TEST_F(KeyValueObservingTest, DidChangeReportsTheOldValueOfItsWillChange) {
    m_observers.addObserver(&m_first, "favoriteLocations", recorder("first"));
    const Array before{"10001:4"};
    const Array after{"10001:4", "90210:4"};
    m_observers.willChange("favoriteLocations", before);
    EXPECT_TRUE(m_changes.empty());
    m_observers.didChange("favoriteLocations", after);
    m_observers.didChange("favoriteLocations", before);
    ASSERT_EQ(m_changes.size(), 2u);
    EXPECT_EQ(m_changes[0], (Change{"first", "favoriteLocations", before, after}));
    EXPECT_EQ(m_changes[1], (Change{"first", "favoriteLocations", Value(), before}));
}

TEST_F(KeyValueObservingTest, ObserversAreRemovedByIdentityAndKeyPath) {
    m_observers.addObserver(&m_first, "a", recorder("first a"));
    m_observers.addObserver(&m_first, "b", recorder("first b"));
    m_observers.addObserver(&m_second, "a", recorder("second a"));
    m_observers.removeObserver(&m_first, "a");
    m_observers.notifyChange("a", 1, 2);
    m_observers.notifyChange("b", 1, 2);
    m_observers.removeObserver(&m_first);
    m_observers.notifyChange("b", 2, 3);
    ASSERT_EQ(m_changes.size(), 2u);
    EXPECT_EQ(m_changes[0].observer, "second a");
    EXPECT_EQ(m_changes[1].observer, "first b");
}

TEST_F(KeyValueObservingTest, ObserverRemovedDuringAReportIsNotCalled) {
    m_observers.addObserver(
        &m_first, "a", [&](const std::string&, const Value&, const Value&) { m_observers.removeObserver(&m_second); });
    m_observers.addObserver(&m_second, "a", recorder("second"));
    m_observers.notifyChange("a", 1, 2);
    EXPECT_TRUE(m_changes.empty());
}

}  // namespace
}  // namespace platform
