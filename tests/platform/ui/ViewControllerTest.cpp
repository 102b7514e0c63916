#include <gtest/gtest.h>

#include "platform/base/NotificationCenter.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/RecordingController.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

using Journal = std::vector<std::string>;

class ViewControllerTest : public UiFixture {
protected:
    std::shared_ptr<RecordingController> make(const std::string& name) {
        return std::make_shared<RecordingController>(name, journal);
    }
    Journal take() { return std::exchange(*journal, {}); }

    std::shared_ptr<Journal> journal = std::make_shared<Journal>();
    std::shared_ptr<Window> window = std::make_shared<Window>();
};

// A container screen that shows one child in its view and calls the child's appearance methods itself.
class SampleContainer : public RecordingController {
public:
    using RecordingController::RecordingController;
    void show(const std::shared_ptr<ViewController>& child) {
        if (m_child) {
            m_child->viewWillDisappear(false);
            m_child->view()->removeFromSuperview();
            m_child->viewDidDisappear(false);
        }
        m_child = child;
        const auto childView = child->view();
        child->viewWillAppear(false);
        view()->addSubview(childView);
        child->viewDidAppear(false);
    }

private:
    std::shared_ptr<ViewController> m_child;
};

TEST_F(ViewControllerTest, ViewLoadsOnceAndTheWindowForwardsAppearanceWhenVisible) {
    auto root = make("A");
    EXPECT_FALSE(root->isViewLoaded());
    window->setRootViewController(root);
    EXPECT_EQ(take(), (Journal{"A didLoad"}));
    EXPECT_EQ(root->view()->frame(), Rect(0, 20, 320, 460));
    window->makeKeyAndVisible();
    EXPECT_EQ(take(), (Journal{"A willAppear", "A didAppear"}));
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_EQ(Application::shared().keyWindow(), window);
    auto next = make("B");
    window->setRootViewController(next);
    EXPECT_EQ(take(), (Journal{"A willDisappear", "A didDisappear", "B didLoad", "B willAppear", "B didAppear"}));
    ASSERT_EQ(window->subviews().size(), 1u);
    EXPECT_EQ(window->subviews().front(), next->view());
}

TEST_F(ViewControllerTest, TurningTheInterfaceTellsTheScreensThatAcceptTheOrientation) {
    auto root = make("A");
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    root->presentModalViewController(make("B"), false);
    std::vector<Value> oldOrientations;
    NotificationCenter::defaultCenter().addObserver(
        this, kApplicationDidChangeStatusBarOrientationNotification, [&](const Notification& note) {
            oldOrientations.push_back(note.userInfo.at(kApplicationStatusBarOrientationUserInfoKey));
        });
    take();
    EXPECT_TRUE(window->turnToInterfaceOrientation(DeviceOrientation::LandscapeLeft, 0.3));
    EXPECT_EQ(take(), (Journal{"A willRotate 3", "A willAnimate 3=3", "A didRotate from 1", "B willRotate 3",
                               "B willAnimate 3=3", "B didRotate from 1"}));
    EXPECT_FALSE(window->turnToInterfaceOrientation(DeviceOrientation::LandscapeLeft, 0.3));
    EXPECT_FALSE(window->turnToInterfaceOrientation(DeviceOrientation::PortraitUpsideDown, 0.3));
    EXPECT_EQ(take(), Journal{});
    EXPECT_EQ(Application::shared().statusBarOrientation(), DeviceOrientation::LandscapeLeft);
    EXPECT_EQ(oldOrientations, (std::vector<Value>{Value(1)}));
    NotificationCenter::defaultCenter().removeObserver(this);
}

TEST_F(ViewControllerTest, ModalPresentationAndDismissalForwardAppearance) {
    auto root = make("A");
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    take();
    auto modal = make("M");
    root->presentModalViewController(modal, true);
    EXPECT_EQ(take(), (Journal{"M didLoad", "A willDisappear", "M willAppear", "A didDisappear", "M didAppear"}));
    EXPECT_EQ(root->modalViewController(), modal);
    EXPECT_EQ(modal->presentingViewController(), root);
    EXPECT_EQ(window->visibleSubviews(), (std::vector<std::shared_ptr<View>>{modal->view()}));
    EXPECT_EQ(ViewAnimation::records().size(), 1u);

    root->presentModalViewController(make("X"), false);  // already presenting: refused
    auto other = make("O");
    other->presentModalViewController(modal, false);  // already presented: refused
    EXPECT_EQ(take(), (Journal{}));
    EXPECT_EQ(other->modalViewController(), nullptr);

    modal->dismissModalViewControllerAnimated(false);  // sent to the presented screen: same as to the presenter
    EXPECT_EQ(take(), (Journal{"M willDisappear", "A willAppear", "M didDisappear", "A didAppear"}));
    EXPECT_EQ(root->modalViewController(), nullptr);
    EXPECT_EQ(modal->presentingViewController(), nullptr);
    EXPECT_EQ(window->visibleSubviews(), (std::vector<std::shared_ptr<View>>{root->view()}));
    root->dismissModalViewControllerAnimated(false);
    EXPECT_TRUE(take().empty());
}

TEST_F(ViewControllerTest, DismissingRemovesEveryPresentationAbove) {
    auto root = make("A");
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    auto first = make("M");
    auto second = make("N");
    root->presentModalViewController(first, false);
    first->presentModalViewController(second, false);
    take();
    root->dismissModalViewControllerAnimated(false);
    EXPECT_EQ(take(), (Journal{"N willDisappear", "A willAppear", "N didDisappear", "A didAppear"}));
    EXPECT_EQ(window->subviews().size(), 1u);
    EXPECT_EQ(first->modalViewController(), nullptr);
}

TEST_F(ViewControllerTest, NavigationForwardsAppearanceToTheTopScreen) {
    auto rootScreen = make("A");
    auto navigation = std::make_shared<NavigationController>(rootScreen);
    rootScreen->setTitle("Settings");
    EXPECT_EQ(rootScreen->navigationController(), navigation);
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    EXPECT_EQ(take(), (Journal{"A didLoad", "A willAppear", "A didAppear"}));

    auto detail = make("B");
    navigation->pushViewController(detail, true);
    EXPECT_EQ(take(), (Journal{"B didLoad", "A willDisappear", "B willAppear", "A didDisappear", "B didAppear"}));
    EXPECT_EQ(navigation->topViewController(), detail);
    EXPECT_EQ(navigation->navigationBar()->backButtonTitle(), "Settings");
    EXPECT_EQ(detail->view()->frame(), Rect(0, 44, 320, 416));
    navigation->pushViewController(detail, true);
    EXPECT_TRUE(take().empty());

    EXPECT_TRUE(navigation->navigationBar()->tapBackButton());
    EXPECT_EQ(take(), (Journal{"B willDisappear", "A willAppear", "B didDisappear", "A didAppear"}));
    EXPECT_EQ(detail->navigationController(), nullptr);
    EXPECT_EQ(navigation->popViewControllerAnimated(false), nullptr);
    EXPECT_EQ(navigation->viewControllers().size(), 1u);
}

TEST_F(ViewControllerTest, HiddenNavigationStackChangesWithoutAppearanceCalls) {
    auto navigation = std::make_shared<NavigationController>(make("A"));
    navigation->pushViewController(make("B"), false);
    navigation->pushViewController(make("C"), false);
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(navigation->popToRootViewControllerAnimated(false).size(), 2u);
    EXPECT_TRUE(take().empty());
    navigation->view();
    EXPECT_EQ(take(), (Journal{"A didLoad"}));
}

TEST_F(ViewControllerTest, EmbeddedNavigationAndContainersCallAppearanceThemselves) {
    auto container = std::make_shared<SampleContainer>("R", journal);
    window->setRootViewController(container);
    window->makeKeyAndVisible();
    auto tab = make("T");
    auto navigation = std::make_shared<NavigationController>(make("S"));
    take();
    container->show(tab);
    EXPECT_EQ(take(), (Journal{"T didLoad", "T willAppear", "T didAppear"}));
    container->show(navigation);
    EXPECT_EQ(take(), (Journal{"T willDisappear", "T didDisappear", "S didLoad", "S willAppear", "S didAppear"}));
    EXPECT_EQ(navigation->view()->superview(), container->view());
}

TEST_F(ViewControllerTest, MemoryWarningUnloadsOnlyViewsOffScreen) {
    auto shown = make("A");
    window->setRootViewController(shown);
    auto hidden = make("B");
    hidden->view();
    take();
    Application::shared().receiveMemoryWarning();
    EXPECT_EQ(take(), (Journal{"B didUnload"}));
    EXPECT_TRUE(shown->isViewLoaded());
    EXPECT_FALSE(hidden->isViewLoaded());
    NotificationCenter::defaultCenter().removeObserver(hidden.get());  // what a screen does for itself
    hidden->view();
    hidden.reset();
    Application::shared().receiveMemoryWarning();
    EXPECT_EQ(take(), (Journal{"B didLoad"}));
}

TEST_F(ViewControllerTest, AScreenOfAPresentedNavigationStackDismissesTheStack) {
    auto root = make("A");
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    auto first = make("F");
    auto navigation = std::make_shared<NavigationController>(first);
    auto pushed = make("P");
    root->presentModalViewController(navigation, false);
    navigation->pushViewController(pushed, false);
    EXPECT_EQ(pushed->parentViewController(), navigation);
    EXPECT_EQ(navigation->parentViewController(), root);
    EXPECT_EQ(root->parentViewController(), nullptr);
    take();

    first->dismissModalViewControllerAnimated(false);
    EXPECT_EQ(take(), (Journal{"P willDisappear", "A willAppear", "P didDisappear", "A didAppear"}));
    EXPECT_EQ(root->modalViewController(), nullptr);
    EXPECT_EQ(window->visibleSubviews(), (std::vector<std::shared_ptr<View>>{root->view()}));
    pushed->dismissModalViewControllerAnimated(false);  // nothing presented any more: logged, nothing happens
    EXPECT_TRUE(take().empty());
}

}  // namespace
}  // namespace platform::ui
