#include "platform/base/NotificationCenter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace platform {
namespace {

class Sender : public Object {};

class NotificationCenterTest : public qovtest::ManualClockFixture {
protected:
    NotificationCenter& center() { return NotificationCenter::defaultCenter(); }

    // Records the names each observer receives.
    NotificationCenter::Handler recorder(std::string observer) {
        return [this, observer](const Notification& notification) {
            m_received.push_back(observer + ":" + notification.name);
        };
    }

    std::vector<std::string> m_received;
    const int m_first = 0;
    const int m_second = 0;
    const int m_third = 0;
};

TEST_F(NotificationCenterTest, DeliversByNameAndToObserversOfEveryName) {
    center().addObserver(&m_first, "Alpha", recorder("first"));
    center().addObserver(&m_second, "", recorder("second"));
    center().postNotification("Alpha");
    center().postNotification("Beta");
    EXPECT_EQ(m_received, (std::vector<std::string>{"first:Alpha", "second:Alpha", "second:Beta"}));
}

TEST_F(NotificationCenterTest, CarriesObjectAndUserInfoSynchronouslyOnThePostingThread) {
    Notification seen;
    std::thread::id handlerThread;
    center().addObserver(&m_first, "Changed", [&](const Notification& notification) {
        seen = notification;
        handlerThread = std::this_thread::get_id();
    });
    std::thread::id posterThread;
    std::thread([&] {
        posterThread = std::this_thread::get_id();
        center().postNotification("Changed", Value("object"), {{"status", 3}});
        EXPECT_EQ(seen.name, "Changed");  // delivered before the post returns
    }).join();
    EXPECT_EQ(handlerThread, posterThread);
    EXPECT_EQ(seen.object, Value("object"));
    EXPECT_EQ(seen.userInfo.at("status"), Value(3));
    EXPECT_EQ(loop().runUntilIdle(), 0u);
}

TEST_F(NotificationCenterTest, SenderFilterMatchesOnlyThatVeryObject) {
    const auto sender = std::make_shared<Sender>();
    const auto otherSender = std::make_shared<Sender>();
    center().addObserver(&m_first, "Alpha", recorder("filtered"), sender.get());
    center().addObserver(&m_second, "Alpha", recorder("any"));

    center().postNotification("Alpha", Value(otherSender));
    center().postNotification("Alpha");
    center().postNotification("Alpha", Value("text"));
    center().postNotification("Alpha", Value(sender));
    EXPECT_EQ(m_received,
              (std::vector<std::string>{"any:Alpha", "any:Alpha", "any:Alpha", "filtered:Alpha", "any:Alpha"}));
}

TEST_F(NotificationCenterTest, ObserverRemovedByAnEarlierOneDuringAPostIsNotCalled) {
    center().addObserver(&m_first, "Alpha", [&](const Notification&) {
        m_received.push_back("first");
        center().removeObserver(&m_second);
    });
    center().addObserver(&m_second, "Alpha", recorder("second"));
    center().addObserver(&m_third, "Alpha", recorder("third"));
    center().postNotification("Alpha");
    EXPECT_EQ(m_received, (std::vector<std::string>{"first", "third:Alpha"}));
}

TEST_F(NotificationCenterTest, HandlersMayRemoveThemselvesAddObserversAndPost) {
    center().addObserver(&m_first, "Alpha", [&](const Notification&) {
        m_received.push_back("first");
        center().removeObserver(&m_first);
        center().addObserver(&m_third, "Alpha", recorder("added during the post"));
        center().postNotification("Beta");
    });
    center().addObserver(&m_second, "Beta", recorder("second"));
    center().postNotification("Alpha");
    EXPECT_EQ(m_received, (std::vector<std::string>{"first", "second:Beta"}));

    m_received.clear();
    center().postNotification("Alpha");
    EXPECT_EQ(m_received, (std::vector<std::string>{"added during the post:Alpha"}));
}

TEST_F(NotificationCenterTest, RemovingByNameKeepsTheOwnersOtherRegistrations) {
    center().addObserver(&m_first, "Alpha", recorder("alpha"));
    center().addObserver(&m_first, "Beta", recorder("beta"));
    center().addObserver(&m_first, "", recorder("every"));
    center().addObserver(&m_second, "Alpha", recorder("other owner"));
    center().removeObserver(&m_first, "Alpha");

    center().postNotification("Alpha");
    center().postNotification("Beta");
    EXPECT_EQ(m_received, (std::vector<std::string>{"every:Alpha", "other owner:Alpha", "beta:Beta", "every:Beta"}));

    m_received.clear();
    auto captured = std::make_shared<int>(0);
    center().addObserver(&m_first, "Gamma", [captured](const Notification&) {});
    center().removeObserver(&m_first);
    EXPECT_EQ(captured.use_count(), 1);  // removal releases the handler
    center().postNotification("Beta");
    center().postNotification("Alpha");
    EXPECT_EQ(m_received, (std::vector<std::string>{"other owner:Alpha"}));
}

}  // namespace
}  // namespace platform
