#include <gtest/gtest.h>

#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace platform::ui {
namespace {

std::shared_ptr<View> tagged(int tag) {
    auto view = std::make_shared<View>(Rect(0, 0, 10, 10));
    view->setTag(tag);
    return view;
}

std::vector<int> tags(const View& parent) {
    std::vector<int> result;
    for (const auto& view : parent.subviews()) {
        result.push_back(view->tag());
    }
    return result;
}

TEST(ViewTest, SubviewOrderFollowsAddInsertBringSendAndExchange) {
    auto parent = std::make_shared<View>();
    auto one = tagged(1);
    auto two = tagged(2);
    auto three = tagged(3);
    parent->addSubview(one);
    parent->addSubview(two);
    parent->insertSubview(three, 0);
    EXPECT_EQ(tags(*parent), (std::vector{3, 1, 2}));
    parent->bringSubviewToFront(three);
    EXPECT_EQ(tags(*parent), (std::vector{1, 2, 3}));
    parent->sendSubviewToBack(two);
    EXPECT_EQ(tags(*parent), (std::vector{2, 1, 3}));
    parent->exchangeSubviews(0, 2);
    EXPECT_EQ(tags(*parent), (std::vector{3, 1, 2}));
    parent->exchangeSubviews(0, 7);
    EXPECT_EQ(tags(*parent), (std::vector{3, 1, 2}));
    parent->insertSubview(one, 99);
    EXPECT_EQ(tags(*parent), (std::vector{3, 2, 1}));
    two->removeFromSuperview();
    EXPECT_EQ(tags(*parent), (std::vector{3, 1}));
    EXPECT_EQ(two->superview(), nullptr);
}

TEST(ViewTest, AddingMovesAViewAndRefusesCycles) {
    auto first = std::make_shared<View>();
    auto second = std::make_shared<View>();
    auto child = tagged(5);
    first->addSubview(child);
    second->addSubview(child);
    EXPECT_TRUE(first->subviews().empty());
    EXPECT_EQ(child->superview(), second);
    child->addSubview(second);
    EXPECT_EQ(second->superview(), nullptr);
    child->addSubview(child);
    EXPECT_TRUE(child->subviews().empty());
    EXPECT_TRUE(child->isDescendantOf(*second));
    EXPECT_FALSE(second->isDescendantOf(*child));
}

TEST(ViewTest, ViewWithTagSearchesDepthFirst) {
    auto root = tagged(0);
    auto branch = tagged(1);
    auto leaf = tagged(7);
    root->addSubview(branch);
    branch->addSubview(leaf);
    root->addSubview(tagged(7));
    EXPECT_EQ(root->viewWithTag(7), leaf);
    EXPECT_EQ(root->viewWithTag(0), root);
    EXPECT_EQ(root->viewWithTag(42), nullptr);
}

TEST(ViewTest, FlexibleSubviewsFollowTheirSuperview) {
    auto parent = std::make_shared<View>(Rect(0, 0, 100, 100));
    auto stretchy = std::make_shared<View>(Rect(10, 10, 80, 30));
    stretchy->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
    auto pinnedRight = std::make_shared<View>(Rect(80, 0, 20, 20));
    pinnedRight->setAutoresizingMask(kAutoresizingFlexibleLeftMargin);
    auto centred = std::make_shared<View>(Rect(40, 40, 20, 20));
    centred->setAutoresizingMask(kAutoresizingFlexibleLeftMargin | kAutoresizingFlexibleRightMargin);
    auto fixed = std::make_shared<View>(Rect(5, 5, 5, 5));
    parent->addSubview(stretchy);
    parent->addSubview(pinnedRight);
    parent->addSubview(centred);
    parent->addSubview(fixed);
    parent->setFrame(Rect(0, 0, 200, 150));
    EXPECT_EQ(stretchy->frame(), Rect(10, 10, 180, 80));
    EXPECT_EQ(pinnedRight->frame(), Rect(180, 0, 20, 20));
    EXPECT_EQ(centred->frame(), Rect(90, 40, 20, 20));
    EXPECT_EQ(fixed->frame(), Rect(5, 5, 5, 5));
    parent->setAutoresizesSubviews(false);
    parent->setFrame(Rect(0, 0, 100, 100));
    EXPECT_EQ(stretchy->frame(), Rect(10, 10, 180, 80));
}

TEST(ViewTest, FrameInWindowFollowsBoundsOffsets) {
    auto window = std::make_shared<Window>();
    auto scroller = std::make_shared<View>(Rect(0, 100, 320, 200));
    scroller->setBounds(Rect(0, 50, 320, 200));
    auto child = std::make_shared<View>(Rect(10, 60, 20, 20));
    window->addSubview(scroller);
    scroller->addSubview(child);
    EXPECT_EQ(child->frameInWindow(), Rect(10, 110, 20, 20));
    EXPECT_EQ(child->window(), window);
    EXPECT_EQ(std::make_shared<View>()->window(), nullptr);
}

TEST(ViewTest, AHiddenOrTransparentAncestorHidesAView) {
    auto parent = std::make_shared<View>();
    auto child = std::make_shared<View>();
    parent->addSubview(child);
    EXPECT_TRUE(child->isVisibleOnScreen());
    parent->setAlpha(0.0);
    EXPECT_FALSE(child->isVisibleOnScreen());
    parent->setAlpha(3.0);
    parent->setHidden(true);
    EXPECT_FALSE(child->isVisibleOnScreen());
}

TEST(ViewTest, SubviewsOutliveTheirSuperviewSafely) {
    auto child = std::make_shared<View>();
    {
        auto parent = std::make_shared<View>();
        parent->addSubview(child);
    }
    EXPECT_EQ(child->superview(), nullptr);
    child->removeFromSuperview();
}

TEST(ViewTest, TapRecognizersFireOnlyWhileEnabledAndAttached) {
    int taps = 0;
    auto recognizer = std::make_shared<TapGestureRecognizer>([&](TapGestureRecognizer&) { ++taps; });
    EXPECT_FALSE(recognizer->fire());
    {
        auto view = std::make_shared<View>();
        view->addGestureRecognizer(recognizer);
        EXPECT_TRUE(recognizer->fire());
        recognizer->setEnabled(false);
        EXPECT_FALSE(recognizer->fire());
        recognizer->setEnabled(true);
        view->setUserInteractionEnabled(false);
        EXPECT_FALSE(recognizer->fire());
    }
    EXPECT_FALSE(recognizer->fire());
    EXPECT_EQ(taps, 1);
}

}  // namespace
}  // namespace platform::ui
