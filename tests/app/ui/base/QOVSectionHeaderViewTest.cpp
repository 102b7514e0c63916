#include "app/ui/base/QOVSectionHeaderView.h"

#include <gtest/gtest.h>

#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

class HeaderListener : public QOVSectionHeaderViewDelegate {
public:
    void shareButtonPressed() override { ++shares; }
    int shares = 0;
};

class QOVSectionHeaderViewTest : public qovtest::ShellFixture {
protected:
    std::shared_ptr<QOVSectionHeaderView> m_header = QOVSectionHeaderView::headerWithStandardSize();
};

TEST_F(QOVSectionHeaderViewTest, LastUpdatedTextsAreTrimmedAndMissingOnesReadNotAvailable) {
    const std::pair<std::string, std::string> cases[] = {
        {" \n N/A\n", "Last Updated: N/A"},
        {"", "Last Updated: N/A"},
        {"  \t\n", "Last Updated: N/A"},
        {"\n3:10 PM ", "Last Updated: 3:10 PM"},
    };
    for (const auto& [given, shown] : cases) {
        m_header->setLastUpdated(given);
        EXPECT_EQ(m_header->lastUpdated(), shown) << '"' << given << '"';
    }
}

TEST_F(QOVSectionHeaderViewTest, BackExcludesShareAndTweet) {
    m_header->setShareEnabled(true);
    m_header->setTweetEnabled(true);
    m_header->setBackEnabled(true);
    EXPECT_FALSE(m_header->shareEnabled());
    EXPECT_FALSE(m_header->tweetEnabled());
    m_header->setShareEnabled(true);
    EXPECT_FALSE(m_header->backEnabled());
    EXPECT_TRUE(m_header->shareEnabled());
}

TEST_F(QOVSectionHeaderViewTest, ButtonsReachTheDelegateWhileItLives) {
    auto listener = std::make_shared<HeaderListener>();
    m_header->setDelegate(listener);
    m_header->setShareEnabled(true);
    m_header->m_shareButton->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    EXPECT_EQ(listener->shares, 1);
    listener.reset();
    m_header->shareButtonPressed();
}

}  // namespace
}  // namespace qov
