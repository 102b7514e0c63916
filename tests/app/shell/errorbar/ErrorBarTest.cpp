#include "app/shell/errorbar/ErrorBar.h"

#include <gtest/gtest.h>

#include "app/shell/errorbar/ErrorBarHideTimer.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/weather/WeatherViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

class CloseListener : public ErrorBarDelegate {
public:
    void errorBarShouldClose(ErrorBar&) override { ++closes; }
    int closes = 0;
};

class ErrorBarTest : public qovtest::ShellFixture {
protected:
    std::shared_ptr<ErrorBar> m_bar = QOVView::viewFromNIB<ErrorBar>();
};

TEST_F(ErrorBarTest, TheSameMessageTwiceRedrawsTheLabelBothTimes) {
    const auto& label = *m_bar->messageLabel();
    const int before = label.displayRequests();
    m_bar->setMessage("Re-directing to Weather Tab");
    const int afterFirst = label.displayRequests();
    m_bar->setMessage("Re-directing to Weather Tab");
    EXPECT_EQ(label.text(), "Re-directing to Weather Tab");
    EXPECT_GT(afterFirst, before);
    EXPECT_GT(label.displayRequests(), afterFirst);
}

TEST_F(ErrorBarTest, EveryMessageOfTheApplicationShowsWholeOnItsLine) {
    const auto& label = *m_bar->messageLabel();
    const std::string messages[] = {localized("locationsearch.error.nolocation"),
                                    localized("locationsearch.error.nonetwork"),
                                    "Application is now IN PRODUCTION mode.",
                                    "Application is now IN TEST Mode.",
                                    WeatherViewController::kTwitterFailedMessage,
                                    QOVMasterViewController::kRedirectMessage,
                                    "This device cannot send email.",
                                    "Failed to send email."};
    for (const auto& message : messages) {
        SCOPED_TRACE(message);
        m_bar->setMessage(message);
        EXPECT_GE(label.font().pointSize(), ErrorBar::kMinimumFontSize);
        EXPECT_LE(label.font().sizeOfText(message).width, label.bounds().width());
        EXPECT_LE(label.font().lineHeight(), label.bounds().height());
    }
    m_bar->setMessage("Failed to send email.");
    EXPECT_EQ(label.font().pointSize(), ErrorBar::kFontSize) << "a short message keeps the bar's face";
    EXPECT_FALSE(label.font().isCondensed());
}

TEST_F(ErrorBarTest, TheButtonAsksTheDelegateWhenThereIsOne) {
    m_bar->button()->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    const auto listener = std::make_shared<CloseListener>();
    m_bar->setDelegate(listener);
    m_bar->button()->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    EXPECT_EQ(listener->closes, 1);
}

class ErrorBarHideTimerTest : public qovtest::ShellFixture {
protected:
    void reveal(double life) {
        m_timer.barRevealed(life, [this] {
            m_hides.push_back(clock()->now().secondsSince1970);
            m_timer.barHidden();
        });
    }
    ErrorBarHideTimer m_timer;
    std::vector<double> m_hides;
};

TEST_F(ErrorBarHideTimerTest, TheBarClosesOnceAfterTheLastRevealsLifeUnlessHiddenFirst) {
    const double start = clock()->now().secondsSince1970;
    reveal(3.0);
    advance(2.0);
    reveal(3.0);  // starts the life afresh
    advance(2.9);
    EXPECT_TRUE(m_hides.empty());
    advance(10.0);
    EXPECT_EQ(m_hides, (std::vector<double>{start + 5.0}));

    reveal(3.0);
    advance(1.0);
    m_timer.barHidden();
    reveal(0.0);  // no life: the bar stays
    EXPECT_FALSE(m_timer.isRunning());
    advance(10.0);
    EXPECT_EQ(m_hides.size(), 1u);
}

}  // namespace
}  // namespace qov
