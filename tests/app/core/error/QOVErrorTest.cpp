#include "app/core/error/QOVError.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/NotificationCenter.h"

namespace qov {
namespace {

class Sender : public platform::Object {};

class QOVErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        QOVError::clearAllErrors();
        auto& center = platform::NotificationCenter::defaultCenter();
        for (const char* name : {QOVError::kFiredNotification, QOVError::kClearedNotification}) {
            center.addObserver(this, name, [this](const platform::Notification& notification) {
                const auto* error = platform::valueForKey(notification.userInfo, QOVError::kErrorKey);
                ASSERT_NE(error, nullptr);
                m_posts.push_back({notification.name, notification.object, error->object<QOVError>()});
            });
        }
    }
    void TearDown() override {
        platform::NotificationCenter::defaultCenter().removeObserver(this);
        QOVError::clearAllErrors();
    }

    struct Post {
        std::string name;
        platform::Value object;
        std::shared_ptr<QOVError> error;
    };
    std::vector<Post> m_posts;
    std::shared_ptr<Sender> m_sender = std::make_shared<Sender>();
};

TEST_F(QOVErrorTest, ACategoryIsAnnouncedOnceUntilCleared) {
    QOVError::fireErrorWithCategory(1, 1, "error.no.data.returned", m_sender);
    QOVError::fireErrorWithCategory(1, 2, "another", m_sender);
    ASSERT_EQ(m_posts.size(), 1U);
    EXPECT_EQ(m_posts[0].name, QOVError::kFiredNotification);
    EXPECT_EQ(m_posts[0].object.object<Sender>(), m_sender);
    EXPECT_EQ(m_posts[0].error->textKey(), "error.no.data.returned");

    QOVError::clearErrorWithCategory(1, m_sender);
    QOVError::fireErrorWithCategory(1, 2, "again", m_sender);
    ASSERT_EQ(m_posts.size(), 3U);
    EXPECT_EQ(m_posts[1].name, QOVError::kClearedNotification);
    EXPECT_EQ(m_posts[2].error->textKey(), "again");

    // Clearing a category never fired still announces an error holding only the category.
    QOVError::clearErrorWithCategory(5, m_sender);
    ASSERT_EQ(m_posts.size(), 4U);
    EXPECT_EQ(m_posts[3].name, QOVError::kClearedNotification);
    EXPECT_EQ(m_posts[3].error->category(), 5);
    EXPECT_EQ(m_posts[3].error->type(), 0);
    EXPECT_EQ(m_posts[3].error->textKey(), "");
}

TEST_F(QOVErrorTest, EveryCategoryIncludingZeroIsAnnouncedAndClearAllIsSilent) {
    QOVError::fireErrorWithCategory(0, 1, "a", m_sender);
    QOVError::fireErrorWithCategory(1, 1, "b", nullptr);
    ASSERT_EQ(m_posts.size(), 2U);
    EXPECT_TRUE(m_posts[1].object.isNull());
    m_posts.clear();
    QOVError::clearAllErrors();
    EXPECT_TRUE(m_posts.empty());
    QOVError::fireErrorWithCategory(0, 1, "a", m_sender);
    QOVError::fireErrorWithCategory(1, 1, "b", m_sender);
    EXPECT_EQ(m_posts.size(), 2U);
}

TEST_F(QOVErrorTest, AnObserverMayFireFromItsHandler) {
    platform::NotificationCenter::defaultCenter().addObserver(
        &m_posts, QOVError::kFiredNotification,
        [this](const platform::Notification&) { QOVError::fireErrorWithCategory(1, 1, "nested", m_sender); });
    QOVError::fireErrorWithCategory(1, 1, "first", m_sender);
    platform::NotificationCenter::defaultCenter().removeObserver(&m_posts);
    EXPECT_EQ(m_posts.size(), 1U);
}

}  // namespace
}  // namespace qov
