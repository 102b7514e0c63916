#include <gtest/gtest.h>

#include "platform/ui/View.h"
#include "platform/ui/ViewAnimation.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class ViewAnimationTest : public UiFixture {};

TEST_F(ViewAnimationTest, BlockAppliesAtOnceAndCompletesAfterTheDuration) {
    auto view = std::make_shared<View>(Rect(0, 0, 10, 10));
    std::vector<bool> completions;
    ViewAnimation::animate(
        0.5, [&] { view->setFrame(Rect(0, 100, 10, 10)); }, [&](bool finished) { completions.push_back(finished); });
    EXPECT_EQ(view->frame(), Rect(0, 100, 10, 10));
    loop().runUntilIdle();
    advance(0.4);
    EXPECT_TRUE(completions.empty());
    advance(0.1);
    EXPECT_EQ(completions, std::vector<bool>{true});
    ASSERT_EQ(ViewAnimation::records().size(), 1u);
    EXPECT_EQ(ViewAnimation::records()[0].duration, 0.5);
    EXPECT_TRUE(ViewAnimation::records()[0].animated);
}

TEST_F(ViewAnimationTest, BeginCommitRecordsNameAndDurationAndCallsDidStop) {
    std::vector<std::string> stopped;
    ViewAnimation::beginAnimations("simpleanimation");
    ViewAnimation::setAnimationDuration(0.3);
    ViewAnimation::setAnimationDidStop([&](const std::string& name, bool) { stopped.push_back(name); });
    ViewAnimation::beginAnimations("inner");
    ViewAnimation::commitAnimations();
    EXPECT_TRUE(ViewAnimation::records().empty());
    ViewAnimation::commitAnimations();
    ASSERT_EQ(ViewAnimation::records().size(), 1u);
    EXPECT_EQ(ViewAnimation::records()[0].name, "simpleanimation");
    EXPECT_EQ(ViewAnimation::records()[0].duration, 0.3);
    advance(0.29);
    EXPECT_TRUE(stopped.empty());
    advance(0.01);
    EXPECT_EQ(stopped, std::vector<std::string>{"simpleanimation"});
    ViewAnimation::commitAnimations();  // unbalanced: ignored
    EXPECT_EQ(ViewAnimation::records().size(), 1u);
}

TEST_F(ViewAnimationTest, DisabledAnimationsCompleteOnTheNextTurn) {
    ViewAnimation::setAnimationsEnabled(false);
    bool done = false;
    ViewAnimation::animate(10.0, {}, [&](bool) { done = true; });
    EXPECT_FALSE(done);
    loop().runUntilIdle();
    EXPECT_TRUE(done);
    EXPECT_FALSE(ViewAnimation::records().back().animated);
}

}  // namespace
}  // namespace platform::ui
