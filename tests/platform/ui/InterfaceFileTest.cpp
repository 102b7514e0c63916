#include <gtest/gtest.h>

#include "platform/ui/ClassRegistry.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewController.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/support/LogCapture.h"

namespace platform::ui {
namespace {

// A sample panel whose awakeFromNib reads its outlets.
class SamplePanel : public View {
public:
    using View::View;
    void awakeFromNib() override { titleAtWake = title ? title->text() : "<not connected>"; }
    std::shared_ptr<Label> title;
    std::string titleAtWake;
};

class SampleOwner : public ViewController {
public:
    using ViewController::ViewController;
    void awakeFromNib() override { ++ownerWakes; }
    std::shared_ptr<SamplePanel> panel;
    int ownerWakes = 0;
};

class InterfaceFileTest : public UiFixture {
protected:
    InterfaceFileTest() {
        InterfaceFile::registerBuilder("SamplePanel", [](InterfaceContext& file) {
            auto panel = file.makeTopLevel<SamplePanel>(Rect(0, 0, 320, 100));
            auto title = file.make<Label>(Rect(10, 10, 300, 20));
            title->setText("Right Now");
            panel->addSubview(title);
            panel->title = title;
        });
        InterfaceFile::registerBuilder("SampleOwner-iPhone", [](InterfaceContext& file) {
            auto owner = file.ownerAs<SampleOwner>();
            auto root = file.makeTopLevel<View>(Rect(0, 0, 320, 460));
            auto loaded = InterfaceFile::loadFirst<SamplePanel>("SamplePanel");
            root->addSubview(loaded);
            owner->panel = loaded;
            owner->setView(root);
        });
    }
    ~InterfaceFileTest() override {
        InterfaceFile::unregisterBuilder("SamplePanel");
        InterfaceFile::unregisterBuilder("SampleOwner-iPhone");
    }
};

TEST_F(InterfaceFileTest, ControllersLoadTheirViewsAndScreensFromTheirFilesAsOwners) {
    InterfaceFile::registerBuilder("SampleNavigation-iPhone", [](InterfaceContext& file) {
        auto navigation = file.ownerAs<NavigationController>();
        auto root = file.make<SampleOwner>("SampleOwner-iPhone");
        root->setTitle("Settings");
        navigation->setViewControllers({root});
    });
    auto navigation = std::make_shared<NavigationController>("SampleNavigation-iPhone");
    const auto view = navigation->view();
    ASSERT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(navigation->navigationBar()->text(), "Settings");
    EXPECT_EQ(navigation->navigationBar()->superview(), view);
    const auto screen = std::dynamic_pointer_cast<SampleOwner>(navigation->topViewController());
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->view()->superview(), view);
    ASSERT_TRUE(screen->panel);  // the screen's own file made its view with the screen as owner
    EXPECT_EQ(screen->panel->superview(), screen->view());
    EXPECT_EQ(screen->ownerWakes, 1);  // woken as an object of the navigation file, not as its own file's owner
    InterfaceFile::unregisterBuilder("SampleNavigation-iPhone");
}

TEST_F(InterfaceFileTest, UnknownFilesFailClearly) {
    const qovtest::LogCapture log;
    EXPECT_FALSE(InterfaceFile::exists("NoSuchView"));
    EXPECT_FALSE(InterfaceFile::load("NoSuchView"));
    EXPECT_EQ(InterfaceFile::loadFirst<View>("NoSuchView"), nullptr);
    EXPECT_EQ(InterfaceFile::loadFirst<Label>("SamplePanel"), nullptr);
    auto screen = std::make_shared<SampleOwner>("NoSuchScreen");
    EXPECT_TRUE(screen->view());  // an empty view stands in
    const auto lines = log.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.front().find("Could not load the interface file named \"NoSuchView\""), std::string::npos);
}

TEST_F(InterfaceFileTest, ClassRegistryMakesObjectsByName) {
    ClassRegistry::registerClass<SamplePanel>("SamplePanel");
    ClassRegistry::registerClass("FromFile", [] { return InterfaceFile::loadFirst<SamplePanel>("SamplePanel"); });
    auto made = ClassRegistry::create<SamplePanel>("SamplePanel");
    ASSERT_TRUE(made);
    EXPECT_EQ(made->titleAtWake, "");
    auto loaded = ClassRegistry::create<View>("FromFile");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::static_pointer_cast<SamplePanel>(loaded)->titleAtWake, "Right Now");  // outlets before awake
    EXPECT_EQ(ClassRegistry::create("NoSuchPanel"), nullptr);
    EXPECT_EQ(ClassRegistry::create<Label>("SamplePanel"), nullptr);
}

}  // namespace
}  // namespace platform::ui
