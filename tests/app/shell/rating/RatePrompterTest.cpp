#include "app/shell/rating/RatePrompter.h"

#include <thread>

#include <gtest/gtest.h>

#include "platform/base/NotificationCenter.h"
#include "platform/net/Reachability.h"
#include "platform/ui/PopupRegistry.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/app/ShellFixture.h"

namespace {

using qov::RatePrompter;

constexpr double kHour = 3600.0;
constexpr double kDay = 24 * kHour;

class RatePrompterTest : public qovtest::ShellFixture {
protected:
    RatePrompterTest() { platform::ui::PopupRegistry::shared().removeAll(); }
    ~RatePrompterTest() override {
        platform::net::Reachability::reset();
        platform::ui::PopupRegistry::shared().removeAll();
    }

    std::shared_ptr<RatePrompter> makePrompter(const std::string& version = "7") const {
        return std::make_shared<RatePrompter>(platform::UserDefaults::standard(), clock(), version, "Qovara");
    }

    // Counts `times` uses, each allowed to prompt, and lets the worker and the main loop finish.
    void use(RatePrompter& prompter, int times = 1) const {
        for (int i = 0; i < times; ++i) {
            prompter.incrementAndRate(true);
        }
        settle(prompter);
    }
    static void settle(const RatePrompter& prompter) {
        ASSERT_TRUE(qovtest::pumpUntil([&] { return prompter.isIdle(); }));
        platform::RunLoop::main().runUntilIdle();
    }
    static bool prompting(const RatePrompter& prompter) {
        return prompter.ratingAlert() && prompter.ratingAlert()->isVisible();
    }
    static std::int64_t storedInteger(const char* key) {
        return platform::UserDefaults::standard()->integerForKey(key);
    }
};

TEST_F(RatePrompterTest, PromptsOnlyAfterMoreThanFiveUsesAndOneDay) {
    const auto prompter = makePrompter();
    use(*prompter);
    EXPECT_EQ(storedInteger(RatePrompter::kUseCountKey), 1);
    use(*prompter, 5);
    advance(kDay - 1);
    use(*prompter);
    EXPECT_FALSE(prompting(*prompter)) << "six uses, not yet a day";
    advance(1);
    use(*prompter);
    ASSERT_TRUE(prompting(*prompter));
    EXPECT_EQ(prompter->ratingAlert()->text(), "Rate Qovara: " + prompter->ratingAlert()->message() +
                                                   " [0 No, Thanks] [1 Rate Qovara] [2 Remind me later]");

    // A day on, five uses are not yet more than five.
    const auto next = makePrompter("8");
    use(*next);
    advance(kDay);
    use(*next, 4);
    EXPECT_EQ(storedInteger(RatePrompter::kUseCountKey), 5);
    EXPECT_FALSE(prompting(*next)) << "five uses a day on";
    use(*next);
    EXPECT_TRUE(prompting(*next)) << "six uses a day on";
}

TEST_F(RatePrompterTest, AnswersDecideTheNextPrompt) {
    struct Case {
        const char* name;
        int button;
        double waited;
        bool promptsAgain;
    };
    const Case cases[] = {
        {"reminder 23 hours old", RatePrompter::kRemindLaterButton, 23 * kHour, false},
        {"reminder a day old", RatePrompter::kRemindLaterButton, kDay, true},
        {"declined", RatePrompter::kNoThanksButton, 30 * kDay, false},
        {"rated", RatePrompter::kRateButton, 30 * kDay, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto prompter = makePrompter(c.name);  // a new version starts afresh
        use(*prompter, 6);
        advance(kDay);
        use(*prompter);
        ASSERT_TRUE(prompting(*prompter));
        prompter->ratingAlert()->clickButtonAtIndex(c.button);
        advance(c.waited);
        use(*prompter);
        EXPECT_EQ(prompting(*prompter), c.promptsAgain);
    }
}

TEST_F(RatePrompterTest, ANewVersionResetsADeclineAndTheCounts) {
    auto prompter = makePrompter("7");
    use(*prompter, 7);
    advance(kDay);
    use(*prompter);
    prompter->ratingAlert()->clickButtonAtIndex(RatePrompter::kNoThanksButton);
    prompter = makePrompter("8");
    use(*prompter);
    EXPECT_EQ(storedInteger(RatePrompter::kUseCountKey), 1);
    EXPECT_FALSE(platform::UserDefaults::standard()->boolForKey(RatePrompter::kDeclinedToRateKey));
    prompter->incrementSignificantEventAndRate(false);
    settle(*prompter);
    EXPECT_EQ(storedInteger(RatePrompter::kSignificantEventCountKey), 1);
}

TEST_F(RatePrompterTest, CountsFromManyThreadsAreAllKept) {
    const auto prompter = makePrompter();
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&] {
            for (int n = 0; n < 10; ++n) {
                prompter->incrementAndRate(false);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    settle(*prompter);
    EXPECT_EQ(storedInteger(RatePrompter::kUseCountKey), 40);
}

TEST_F(RatePrompterTest, AnUnreachableNetworkOrAHugeDayCountKeepsThePromptAway) {
    const auto prompter = makePrompter();
    use(*prompter, 6);
    advance(kDay);
    platform::net::Reachability::shared()->setReachable(false);
    use(*prompter);
    EXPECT_FALSE(prompting(*prompter));
    platform::net::Reachability::shared()->setReachable(true);
    qov::QOVSettingsService::sharedInstance()->setDaysUntilPrompt(30'000'000);
    use(*prompter);
    EXPECT_FALSE(prompting(*prompter)) << "30 million days must not wrap to a small number";
}

TEST_F(RatePrompterTest, TheMessageTakesTheNameLiterallyAndRatingOpensTheStore) {
    const auto prompter = makePrompter();
    prompter->showRatingAlert("Enjoy %@? 100%d %s %@!");
    EXPECT_EQ(prompter->ratingAlert()->message(), "Enjoy Qovara? 100%d %s Qovara!");
    prompter->ratingAlert()->clickButtonAtIndex(RatePrompter::kRateButton);
    EXPECT_EQ(platform::ui::Application::shared().openedURLs().back(), RatePrompter::reviewURL());
    EXPECT_TRUE(platform::UserDefaults::standard()->boolForKey(RatePrompter::kRatedCurrentVersionKey));
}

TEST_F(RatePrompterTest, ALaunchWithoutAFlagMayPrompt) {
    RatePrompter::resetSharedInstance();
    const auto prompter = RatePrompter::sharedInstance();
    for (int i = 0; i < 6; ++i) {
        RatePrompter::appLaunched(false);
    }
    settle(*prompter);
    advance(kDay);
    RatePrompter::appLaunched(false);
    settle(*prompter);
    EXPECT_FALSE(prompting(*prompter));
    RatePrompter::appLaunched();
    settle(*prompter);
    EXPECT_TRUE(prompting(*prompter));
    EXPECT_EQ(storedInteger(RatePrompter::kUseCountKey), 8);
    RatePrompter::resetSharedInstance();
}

TEST_F(RatePrompterTest, ResigningActiveHidesTheAlertWithoutRecordingAnAnswer) {
    RatePrompter::resetSharedInstance();
    const auto prompter = RatePrompter::sharedInstance();
    prompter->showRatingAlert("%@");
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationWillResignActiveNotification);
    EXPECT_FALSE(prompting(*prompter));
    EXPECT_FALSE(platform::UserDefaults::standard()->boolForKey(RatePrompter::kDeclinedToRateKey));
    RatePrompter::resetSharedInstance();
}

}  // namespace
