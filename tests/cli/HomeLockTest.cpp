#include "cli/HomeLock.h"

#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/TempHome.h"

namespace {

TEST(HomeLockTest, OneHolderPerHomeUntilItLetsGo) {
    qovtest::TempHome temp;
    const auto home = temp.path() / "new" / "home";
    std::string problem;
    auto first = qovcli::HomeLock::acquire(home, problem);
    ASSERT_TRUE(first) << problem;
    EXPECT_EQ(std::filesystem::status(home).permissions(), std::filesystem::perms::owner_all);

    EXPECT_FALSE(qovcli::HomeLock::acquire(home, problem));
    EXPECT_EQ(problem, "the home " + home.string() + " is in use by another runner (process " +
                           std::to_string(getpid()) + ")");
    auto elsewhere = qovcli::HomeLock::acquire(temp.path() / "other", problem);
    EXPECT_TRUE(elsewhere);

    first.reset();
    EXPECT_TRUE(qovcli::HomeLock::acquire(home, problem));
}

}  // namespace
