#include "app/core/services/QOVMetricsService.h"

#include <gtest/gtest.h>

#include "platform/storage/UserDefaults.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

class QOVMetricsServiceTest : public ::testing::Test {
protected:
    qovtest::TempHome m_home;
    platform::UserDefaults m_defaults{m_home.path() / "defaults.plist"};
    QOVMetricsService m_metrics{m_defaults};
};

TEST_F(QOVMetricsServiceTest, EachLaunchKindSendsItsEventAndVariable) {
    for (int kind : {0, 1, 2, 3, 4, 7}) {
        m_metrics.applicationLaunch(kind);
    }
    std::vector<std::string> sent;
    for (const auto& hit : m_metrics.hits()) {
        std::string text = hit.events;
        for (const auto& [name, value] : hit.variables) {
            text += " " + name + "=" + value;
        }
        sent.push_back(text);
        EXPECT_EQ(hit.visitorId, m_metrics.guid());
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"event1", "event4 eVar2=upgrade", "event2 eVar3=App Icon",
                                              "event2 eVar3=Push Alert", "event2 eVar3=From background",
                                              "event2 eVar3=App Icon"}));
}

TEST_F(QOVMetricsServiceTest, ScreensAreCountedOnlyWhenThePageChanges) {
    m_metrics.screenDisplayed("weather");
    m_metrics.screenDisplayed("weather");
    m_metrics.screenDisplayed("maps");
    m_metrics.screenDisplayed("weather");
    const auto hits = m_metrics.hits();
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].kind, MetricsHit::Kind::PageView);
    EXPECT_EQ(hits[0].events, "event5");
    EXPECT_EQ(hits[1].pageName, "maps");
    EXPECT_EQ(hits[2].pageName, "weather");
}

TEST_F(QOVMetricsServiceTest, EventsAndActionsCarryTheirTextAndTheHierarchy) {
    m_metrics.setLevel1("weather");
    m_metrics.setLevel2("hourly");
    m_metrics.setSectionDisplayed("panel");
    m_metrics.trackEvent("refresh");
    m_metrics.setLevel1("maps");  // clears level 2, keeps the section
    m_metrics.trackAction("zoom");
    m_metrics.setLevel2("radar");  // clears the section
    m_metrics.trackAction("play");

    const auto hits = m_metrics.hits();
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].events, "event9");
    EXPECT_EQ(hits[0].variables.at("eVar9"), "refresh");
    EXPECT_EQ(hits[0].level2, "hourly");
    EXPECT_EQ(hits[1].variables.at("prop20"), "zoom");
    EXPECT_EQ(hits[1].level2, "");
    EXPECT_EQ(hits[1].section, "panel");
    EXPECT_EQ(hits[2].level2, "radar");
    EXPECT_EQ(hits[2].section, "");
}

TEST_F(QOVMetricsServiceTest, RemoteSwitchStopsEveryHit) {
    bool disabled = true;
    m_metrics.setSiteStatsDisabledProvider([&disabled] { return disabled; });
    m_metrics.applicationLaunch(0);
    m_metrics.screenDisplayed("weather");
    m_metrics.trackEvent("e");
    m_metrics.trackAction("a");
    EXPECT_TRUE(m_metrics.hits().empty());

    // A page shown while measurement was off is still sent once it is back on.
    disabled = false;
    m_metrics.screenDisplayed("weather");
    EXPECT_EQ(m_metrics.hits().size(), 1u);
}

TEST_F(QOVMetricsServiceTest, KeepsOnlyTheNewestHits) {
    for (std::size_t i = 0; i < QOVMetricsService::kMaxKeptHits + 10; ++i) {
        m_metrics.trackAction(std::to_string(i));
    }
    const auto hits = m_metrics.hits();
    ASSERT_EQ(hits.size(), QOVMetricsService::kMaxKeptHits);
    EXPECT_EQ(hits.front().variables.at("prop20"), "10");
    EXPECT_EQ(hits.back().variables.at("prop20"), std::to_string(QOVMetricsService::kMaxKeptHits + 9));
}

}  // namespace
}  // namespace qov
