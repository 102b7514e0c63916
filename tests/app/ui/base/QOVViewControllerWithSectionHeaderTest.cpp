#include "app/ui/base/QOVViewControllerWithSectionHeader.h"

#include <gtest/gtest.h>

#include "app/ui/base/QOVSectionHeaderView.h"
#include "platform/base/Exception.h"
#include "platform/ui/Application.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

class TitledScreen : public QOVViewControllerWithSectionHeader {
public:
    std::string headerTitleText() const override { return "Radar"; }
    std::optional<std::string> pageName() const override { return "Radar"; }
};

class SectionHeaderScreenTest : public qovtest::ShellFixture {};

TEST_F(SectionHeaderScreenTest, TheHeaderTopsTheViewUntilAMemoryWarningUnloadsItAndComesBackWithIt) {
    const auto screen = std::make_shared<TitledScreen>();
    const auto header = [&] { return screen->header(); };
    screen->view();
    ASSERT_TRUE(header());
    EXPECT_EQ(header()->superview(), screen->view());
    EXPECT_EQ(header()->m_titleLabel->text(), "Radar");
    const std::weak_ptr<QOVSectionHeaderView> first = header();
    platform::ui::Application::shared().receiveMemoryWarning();
    ASSERT_FALSE(screen->isViewLoaded());
    EXPECT_FALSE(header());
    EXPECT_TRUE(first.expired());

    screen->view();
    ASSERT_TRUE(header());
    EXPECT_EQ(screen->view()->subviews(), std::vector<std::shared_ptr<platform::ui::View>>{header()});
    EXPECT_EQ(header()->m_titleLabel->text(), "Radar");
}

TEST_F(SectionHeaderScreenTest, AScreenWithoutATitleRaises) {
    struct Untitled : QOVViewControllerWithSectionHeader {
        std::optional<std::string> pageName() const override { return std::nullopt; }
    };
    const auto screen = std::make_shared<Untitled>();
    EXPECT_THROW(screen->view(), platform::Exception);
}

}  // namespace
}  // namespace qov
