#include <gtest/gtest.h>

#include "platform/base/Callback.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/ui/Button.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class ControlTest : public UiFixture {};

struct Target {
    int calls = 0;
    void action(Control&) { ++calls; }
};

TEST_F(ControlTest, ButtonStatesFallBackToNormal) {
    Button button(ButtonType::Custom, Rect(0, 0, 100, 44));
    button.setTitle("Share");
    button.setTitle("Sharing", kControlStateHighlighted);
    EXPECT_EQ(button.currentTitle(), "Share");
    button.setHighlighted(true);
    EXPECT_EQ(button.currentTitle(), "Sharing");
    button.setHighlighted(false);
    button.setEnabled(false);
    EXPECT_EQ(button.currentTitle(), "Share");
}

TEST_F(ControlTest, ImageButtonsShowTheirImageName) {
    gfx::BitmapContext context(4, 4);
    auto share = std::make_shared<Image>(context.makeImage(), "share-button.png");
    auto button = std::make_shared<Button>();
    button->setBackgroundImage(std::make_shared<Image>(context.makeImage(), "bar.png"));
    EXPECT_EQ(button->text(), "bar.png");
    button->setImage(share);
    int taps = 0;
    button->addAction(kControlEventTouchUpInside, [&](Control&) { ++taps; });
    EXPECT_TRUE(button->tapText("share-button.png"));
    button->setTitle("Share");
    EXPECT_EQ(button->text(), "Share");
    EXPECT_EQ(taps, 1);
}

TEST_F(ControlTest, ActionsRunPerEventAndNeverAfterTheirTargetIsGone) {
    auto button = std::make_shared<Button>();
    button->setTitle("Go");
    auto target = std::make_shared<Target>();
    button->addAction(kControlEventTouchUpInside, bindWeak(target, &Target::action));
    int valueChanges = 0;
    button->addAction(kControlEventValueChanged, [&](Control&) { ++valueChanges; });
    EXPECT_TRUE(button->tapText("Go"));
    EXPECT_FALSE(button->tapText("Stop"));
    EXPECT_EQ(target->calls, 1);
    EXPECT_EQ(valueChanges, 0);
    button->setEnabled(false);
    EXPECT_FALSE(button->tapText("Go"));
    button->setEnabled(true);
    target.reset();
    EXPECT_TRUE(button->tapText("Go"));
    button->removeActions(kControlEventValueChanged);
    EXPECT_FALSE(button->hasActions(kControlEventValueChanged));
    EXPECT_TRUE(button->hasActions(kControlEventTouchUpInside));
}

TEST_F(ControlTest, SegmentedControlSelectionFromCodeSendsNoAction) {
    SegmentedControl control;
    int actions = 0;
    control.addAction(kControlEventValueChanged, [&](Control&) { ++actions; });
    control.insertSegmentWithTitle("Now", 0, false);
    control.insertSegmentWithTitle("10 Day", 5, false);
    control.insertSegmentWithTitle("Hourly", 1, false);
    EXPECT_EQ(control.numberOfSegments(), 3);
    EXPECT_EQ(control.titleForSegmentAtIndex(1), "Hourly");
    EXPECT_EQ(control.selectedSegmentIndex(), -1);
    control.setSelectedSegmentIndex(2);
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(control.text(), "Now | Hourly | [10 Day]");
    EXPECT_TRUE(control.tapSegment(1));
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(control.selectedSegmentIndex(), 1);
    EXPECT_FALSE(control.tapSegment(3));
    EXPECT_TRUE(control.tapText("Now"));
    EXPECT_EQ(control.selectedSegmentIndex(), 0);
    control.setSelectedSegmentIndex(7);
    EXPECT_EQ(control.selectedSegmentIndex(), -1);
    control.setSelectedSegmentIndex(2);
    control.removeSegmentAtIndex(0, false);
    EXPECT_EQ(control.selectedSegmentIndex(), 1);
    control.removeAllSegments();
    EXPECT_EQ(control.selectedSegmentIndex(), -1);
    EXPECT_EQ(control.numberOfSegments(), 0);
    EXPECT_EQ(actions, 2);
}

TEST_F(ControlTest, SwitchAndSliderSendValueChangedOnlyForTheUser) {
    Switch toggle;
    Slider slider;
    int changes = 0;
    toggle.addAction(kControlEventValueChanged, [&](Control&) { ++changes; });
    slider.addAction(kControlEventValueChanged, [&](Control&) { ++changes; });
    toggle.setOn(true);
    slider.setValue(0.5);
    EXPECT_EQ(changes, 0);
    toggle.toggle();
    EXPECT_FALSE(toggle.isOn());
    slider.slide(7.0);
    EXPECT_EQ(slider.value(), 1.0);
    EXPECT_EQ(changes, 2);
    slider.setMaximumValue(0.25);
    EXPECT_EQ(slider.value(), 0.25);
    slider.setValue(-3.0);
    EXPECT_EQ(slider.value(), 0.0);
}

}  // namespace
}  // namespace platform::ui
