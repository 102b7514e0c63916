#include "app/ui/base/QOVViewControllerWithSectionHeader.h"

#include <gtest/gtest.h>

#include "app/ui/base/QOVSectionHeaderView.h"
#include "platform/base/Exception.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

class TitledScreen : public QOVViewControllerWithSectionHeader {
public:
    std::string headerTitleText() const override { return "Radar"; }
    std::optional<std::string> pageName() const override { return "Radar"; }
};

class SectionHeaderScreenTest : public qovtest::ShellFixture {};

TEST_F(SectionHeaderScreenTest, TheHeaderTopsTheViewUntilItUnloads) {
    const auto screen = std::make_shared<TitledScreen>();
    const auto header = [&] { return screen->header(); };
    screen->view();
    ASSERT_TRUE(header());
    EXPECT_EQ(header()->superview(), screen->view());
    EXPECT_EQ(header()->m_titleLabel->text(), "Radar");
    screen->viewDidUnload();
    EXPECT_FALSE(header());
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
