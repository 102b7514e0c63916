#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/SampleScreen.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/support/TempHome.h"

namespace platform::ui {
namespace {

class Choices : public AlertViewDelegate {
public:
    void alertViewClickedButtonAtIndex(AlertView&, int index) override { clicked.push_back(index); }
    std::vector<int> clicked;
};

class ScreenScriptTest : public UiFixture {
protected:
    ScreenScriptTest() {
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
    }
    std::string run(const std::string& lines) {
        std::istringstream input(lines);
        script.run(input);
        return std::exchange(output, {}).str();
    }

    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<SampleScreen> screen = std::make_shared<SampleScreen>();
    std::ostringstream output;
    ScreenScript script{output};
};

TEST_F(ScreenScriptTest, TapsControlsRowsAndSegmentsAndTypesIntoTheTappedField) {
    EXPECT_EQ(run("tap Refresh\nselect 2\ntap Hourly\ntap Row 3\n"), "");
    EXPECT_EQ(screen->journal, (std::vector<std::string>{"refresh", "segment 2", "segment 1", "row 3"}));
    EXPECT_EQ(run("type Paris\n"), "error: no field is being edited (tap one first)\n");
    run("tap City\ntype Par\ntype is\n");
    EXPECT_EQ(screen->field->text(), "Paris");
    EXPECT_EQ(script.failures(), 1);
}

TEST_F(ScreenScriptTest, AlertCommandsClickByIndexAndAlertsTakeEveryTap) {
    auto choices = std::make_shared<Choices>();
    auto alert = std::make_shared<AlertView>("Notice", "Failed", choices, std::string("OK"),
                                             std::vector<std::string>{"Retry"});
    alert->show();
    EXPECT_EQ(run("tap Refresh\nselect 1\nalert 1\n"),
              "error: the alert in front has no button \"Refresh\"\nerror: an alert is in front\n");
    EXPECT_EQ(choices->clicked, std::vector<int>{1});
    EXPECT_TRUE(screen->journal.empty());
    alert->show();
    EXPECT_EQ(run("alert 7\ntap OK\nalert 0\n"), "error: the alert has no button 7\nerror: no alert on screen\n");
    EXPECT_EQ(choices->clicked, (std::vector<int>{1, 0}));
}

TEST_F(ScreenScriptTest, WaitRunsTheLoopOnTheClock) {
    int fired = 0;
    loop().scheduleTimer(3.0, false, [&](Timer&) { ++fired; });
    run("wait 2.5\n");
    EXPECT_EQ(fired, 0);
    run("wait 0.5\n");
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(run("wait soon\nwait -1\n"), "error: wait needs a number of seconds\nerror: wait needs a number of seconds\n");
}

TEST_F(ScreenScriptTest, DumpShotAndQuit) {
    qovtest::TempHome home;
    const auto shot = (home.path() / "screen.png").string();
    const std::string out = run("# a comment\n\ndump\nshot " + shot + "\nquit\ntap Refresh\n");
    EXPECT_NE(out.find("Button {220, 130, 90, 30} \"Refresh\""), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::exists(shot));
    EXPECT_TRUE(script.hasQuit());
    EXPECT_TRUE(screen->journal.empty());
    EXPECT_FALSE(script.execute("tap Refresh"));
}

TEST_F(ScreenScriptTest, RunsScriptFiles) {
    qovtest::TempHome home;
    const auto path = (home.path() / "script.txt").string();
    std::ofstream(path) << "tap Refresh\r\nselect 1\n";
    EXPECT_TRUE(script.runFile(path));
    EXPECT_EQ(screen->journal, (std::vector<std::string>{"refresh", "segment 1"}));
    EXPECT_FALSE(script.runFile((home.path() / "missing.txt").string()));
    EXPECT_EQ(std::exchange(output, {}).str(), "error: cannot read the script " + (home.path() / "missing.txt").string() + "\n");
}

TEST_F(ScreenScriptTest, BadCommandsAndHiddenControlsAreReportedAndSkipped) {
    screen->button->setHidden(true);
    EXPECT_EQ(run("tap Refresh\n"), "error: nothing on screen shows \"Refresh\"\n");
    screen->button->setHidden(false);
    EXPECT_EQ(run("jump\ntap\ntap Nowhere\nselect x\nshot\ntap Refresh\n"),
              "error: unknown command \"jump\"\nerror: tap needs the text to tap\n"
              "error: nothing on screen shows \"Nowhere\"\nerror: select needs a segment index\n"
              "error: shot needs a file name\n");
    EXPECT_EQ(script.failures(), 6);
    EXPECT_EQ(screen->journal, std::vector<std::string>{"refresh"});
}

}  // namespace
}  // namespace platform::ui
