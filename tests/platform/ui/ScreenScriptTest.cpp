#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/SampleScreenFixture.h"
#include "tests/support/TempHome.h"

namespace platform::ui {
namespace {

class ScreenScriptTest : public SampleScreenFixture {
protected:
    std::string run(const std::string& lines) {
        std::istringstream input(lines);
        script.run(input);
        return std::exchange(output, {}).str();
    }

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
    auto choices = std::make_shared<AlertChoices>();
    auto alert =
        std::make_shared<AlertView>("Notice", "Failed", choices, std::string("OK"), std::vector<std::string>{"Retry"});
    alert->show();
    EXPECT_EQ(run("tap Refresh\nselect 1\nalert 1\n"),
              "error: the alert in front has no button \"Refresh\"\nerror: an alert is in front\n");
    EXPECT_EQ(choices->clicked, std::vector<int>{1});
    EXPECT_TRUE(screen->journal.empty());
    alert->show();
    EXPECT_EQ(run("alert 7\ntap OK\nalert 0\n"), "error: the alert has no button 7\nerror: no alert on screen\n");
    EXPECT_EQ(choices->clicked, (std::vector<int>{1, 0}));
}

TEST_F(ScreenScriptTest, TapIfAlertClicksOnlyAnAlertThatShows) {
    // Without an alert the line does nothing, even where the screen shows the text.
    EXPECT_EQ(run("tap --if-alert OK\ntap --if-alert Refresh\n"), "");
    EXPECT_TRUE(screen->journal.empty());
    auto choices = std::make_shared<AlertChoices>();
    auto alert =
        std::make_shared<AlertView>("Notice", "Failed", choices, std::string("OK"), std::vector<std::string>{"Retry"});
    alert->show();
    EXPECT_EQ(run("tap --if-alert Refresh\ntap --if-alert Retry\n"),
              "error: the alert in front has no button \"Refresh\"\n");
    EXPECT_EQ(choices->clicked, std::vector<int>{1});
    EXPECT_EQ(PopupRegistry::shared().top(), nullptr);
    EXPECT_EQ(run("tap --if-alert\ntap --if-alert --taps 9 OK\n"),
              "error: tap needs the text to tap\nerror: tap --taps and --touches take a count from 1 to 5\n");
    EXPECT_EQ(script.failures(), 3);
}

TEST_F(ScreenScriptTest, WaitRunsTheLoopOnTheClock) {
    int fired = 0;
    loop().scheduleTimer(3.0, false, [&](Timer&) { ++fired; });
    run("wait 2.5\n");
    EXPECT_EQ(fired, 0);
    run("wait 0.5\n");
    EXPECT_EQ(fired, 1);
    for (const char* refused : {"soon", "-1", "nan", "inf", "86401", ""}) {
        EXPECT_EQ(run(std::string("wait ") + refused + "\n"),
                  "error: wait needs a number of seconds from 0 to 86400\n");
    }
    EXPECT_EQ(fired, 1);
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

TEST_F(ScreenScriptTest, OutputThatCannotBeWrittenEndsTheScriptAtTheFailedDump) {
    struct FullDevice : std::streambuf {
    } full;  // takes no byte
    std::ostream refusing(&full);
    std::ostringstream errors;
    ScreenScript failing(refusing, errors);
    std::istringstream input("tap Refresh\ndump\ntap Refresh\njump\n");
    EXPECT_TRUE(failing.run(input));
    EXPECT_EQ(screen->journal, std::vector<std::string>{"refresh"});
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(failing.failures(), 0);
}

TEST_F(ScreenScriptTest, RunsScriptFiles) {
    qovtest::TempHome home;
    const auto path = (home.path() / "script.txt").string();
    std::ofstream(path) << "tap Refresh\r\nselect 1\n";
    EXPECT_TRUE(script.runFile(path));
    EXPECT_EQ(screen->journal, (std::vector<std::string>{"refresh", "segment 1"}));
    EXPECT_FALSE(script.runFile((home.path() / "missing.txt").string()));
    EXPECT_EQ(
        std::exchange(output, {}).str(),
        "error: cannot read the script " + (home.path() / "missing.txt").string() + ": No such file or directory\n");
    EXPECT_FALSE(script.runFile(home.path().string()));
    EXPECT_EQ(std::exchange(output, {}).str(),
              "error: cannot read the script " + home.path().string() + ": it is a folder\n");
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

TEST_F(ScreenScriptTest, ALineTooLongIsAnErrorThatEchoesOnlyItsStartAndTheNextLinesStillRun) {
    const std::size_t limit = ScreenScript::kLineLimit;
    // At the limit a line is too long; one byte shorter it runs (and its failure echoes it whole).
    const std::string atLimit = "tap " + std::string(limit - 4, 'x');
    const std::string belowLimit = "tap " + std::string(limit - 5, 'y');
    const std::string farOver = "tap " + std::string(3 * limit, 'z');
    const std::string out = run(atLimit + "\n" + belowLimit + "\ntap Refresh\n" + farOver + "\n" + atLimit);
    const auto echo = [](char filler) {
        return "error: a script line reaches the limit of 65536 bytes: tap " + std::string(56, filler) + "...\n";
    };
    EXPECT_EQ(out, echo('x') + "error: nothing on screen shows \"" + std::string(limit - 5, 'y') + "\"\n" + echo('z') +
                       echo('x'));
    EXPECT_EQ(screen->journal, std::vector<std::string>{"refresh"});
    EXPECT_EQ(script.failures(), 4);
    EXPECT_FALSE(script.execute(atLimit));
    EXPECT_EQ(std::exchange(output, {}).str(), echo('x'));
}

TEST_F(ScreenScriptTest, AnInputWhoseLineNeverEndsEndsTheScript) {
    // Endless zero bytes: the line is too long once, then the script gives up on it instead of reading for ever.
    EXPECT_FALSE(script.runFile("/dev/zero"));
    std::string nuls;
    for (std::size_t byte = 0; byte < ScreenScript::kLongLineEcho; ++byte) {
        nuls += "\\x00";
    }
    EXPECT_EQ(std::exchange(output, {}).str(),
              "error: a script line reaches the limit of 65536 bytes: " + nuls +
                  "...\nerror: a script line goes on past 1048576 bytes: the script ends there\n");
    EXPECT_EQ(script.failures(), 2);
}

TEST_F(ScreenScriptTest, IndexesOutsideTheRangeOfAnIntAreRefused) {
    for (const std::string index : {"7777777777", "-7777777777", "1e10", "99999999999999999999999"}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(run("select " + index + "\nalert " + index + "\n"),
                  "error: select needs a segment index\nerror: alert needs a button index\n");
    }
    EXPECT_EQ(run("select -1\n"), "error: the segmented control has no segment -1\n");
    EXPECT_TRUE(screen->journal.empty());
}

TEST_F(ScreenScriptTest, TheLastLineRunsWithoutALineEndAndANulStaysInsideTheLine) {
    using namespace std::string_literals;
    EXPECT_EQ(run("tap Refresh\ntap Re\0fresh"s), "error: nothing on screen shows \"Re\\x00fresh\"\n");
    EXPECT_EQ(screen->journal, std::vector<std::string>{"refresh"});
}

TEST_F(ScreenScriptTest, AByteOrderMarkBeforeTheFirstLineIsSkippedAndOneLaterIsPartOfItsLine) {
    EXPECT_EQ(run("\xEF\xBB\xBFtap Refresh\n\xEF\xBB\xBFtap Refresh\n"),
              "error: unknown command \"\xEF\xBB\xBFtap\"\n");
    EXPECT_EQ(screen->journal, std::vector<std::string>{"refresh"});
}

// Buttons that write their title (or name) to the screen's journal when tapped.
class ScreenScriptAimTest : public ScreenScriptTest {
protected:
    std::shared_ptr<Button> addButton(const std::string& title, const Rect& frame, const std::string& name,
                                      const std::shared_ptr<View>& parent = nullptr) {
        auto button = std::make_shared<Button>(ButtonType::RoundedRect, frame);
        button->setTitle(title);
        button->addAction(kControlEventTouchUpInside, [this, name](Control&) { screen->journal.push_back(name); });
        (parent ? parent : screen->view())->addSubview(button);
        return button;
    }
};

TEST_F(ScreenScriptAimTest, AimsAmongEqualTextsInReadingOrderAndByClass) {
    auto label = std::make_shared<Label>(Rect(250, 0, 60, 15));
    label->setText("Go");
    screen->view()->addSubview(label);  // shows the text but takes no tap
    addButton("Go", Rect(150, 40, 60, 15), "B");
    addButton("Go", Rect(10, 60, 60, 15), "C");
    addButton("Go", Rect(10, 40, 60, 15), "A");
    EXPECT_EQ(run("tap Go\ntap \"Go\" #3\ntap @Button \"Go\" #2\ntap Go #4\ntap @Switch\ntap Go #0\n"),
              "error: nothing on screen shows \"Go\" #4\nerror: nothing on screen shows @Switch\n"
              "error: tap cannot aim at Go #0\n");
    EXPECT_EQ(screen->journal, (std::vector<std::string>{"A", "C", "B"}));
}

TEST_F(ScreenScriptAimTest, TapsOnlyWhatIsInsideEveryClipAndNotHidden) {
    auto clip = std::make_shared<View>(Rect(0, 40, 100, 30));
    clip->setClipsToBounds(true);
    screen->view()->addSubview(clip);
    addButton("Outside", Rect(0, 40, 100, 30), "outside", clip);
    addButton("Under", Rect(150, 40, 60, 30), "under");
    auto cover = std::make_shared<View>(Rect(140, 30, 100, 50));
    cover->setBackgroundColor(gfx::Color::white());
    screen->view()->addSubview(cover);
    EXPECT_EQ(run("tap Outside\ntap Under\n"),
              "error: nothing on screen shows \"Outside\"\nerror: nothing on screen shows \"Under\"\n");
    cover->setAlpha(0.5);
    EXPECT_EQ(run("tap Under\n"), "");
    EXPECT_EQ(screen->journal, std::vector<std::string>{"under"});
}

TEST_F(ScreenScriptAimTest, ScrollBringsATargetIntoViewAndDragFollowsTheFinger) {
    auto strip = std::make_shared<ScrollView>(Rect(0, 40, 100, 30));
    strip->setContentSize(Size{400, 30});
    screen->view()->addSubview(strip);
    for (int index = 0; index < 4; ++index) {
        addButton("T" + std::to_string(index), Rect(index * 100.0, 0, 100, 30), "T" + std::to_string(index), strip);
    }
    EXPECT_EQ(run("tap T2\nscroll T2\ntap T2\n"), "error: nothing on screen shows \"T2\"\n");
    EXPECT_EQ(strip->contentOffset(), (Point{200, 0}));
    run("drag T2 150 0\n");
    EXPECT_EQ(strip->contentOffset(), (Point{50, 0}));
    EXPECT_EQ(run("drag @ScrollView -1000 0\n"), "");
    EXPECT_EQ(strip->contentOffset(), (Point{300, 0}));
    EXPECT_EQ(run("scroll Today\ndrag T3 far 0\nscroll Nowhere\n"),
              "error: \"Today\" is not inside a scroll view\n"
              "error: drag needs what to drag and how far: drag TARGET DX DY\n"
              "error: nothing on screen or scrolled away shows \"Nowhere\"\n");
    EXPECT_EQ(screen->journal, std::vector<std::string>{"T2"});
}

TEST_F(ScreenScriptAimTest, TapGesturesReachOnlyTheirRecognisersAndFingersDragTurnedContent) {
    auto page = std::make_shared<Label>(Rect(0, 40, 100, 30));
    page->setText("Page");
    screen->view()->addSubview(page);
    for (const auto& [taps, touches, name] : {std::tuple{1, 1, "single"}, {2, 1, "double"}, {1, 2, "two fingers"}}) {
        auto recognizer = std::make_shared<TapGestureRecognizer>(
            [this, name = std::string(name)](TapGestureRecognizer&) { screen->journal.push_back(name); });
        recognizer->setNumberOfTapsRequired(taps);
        recognizer->setNumberOfTouchesRequired(touches);
        page->addGestureRecognizer(recognizer);
    }
    EXPECT_EQ(run("tap --taps 2 Page\ntap --touches 2 Page\ntap Page\ntap --taps 3 Page\ntap --touches 9 Page\n"),
              "error: \"Page\" does not respond to that gesture\n"
              "error: tap --taps and --touches take a count from 1 to 5\n");
    EXPECT_EQ(screen->journal, (std::vector<std::string>{"double", "two fingers", "single"}));

    // A strip turned a quarter turn back: its rows run left to right, so a finger moving left brings the next.
    auto strip = std::make_shared<ScrollView>(Rect(0, 100, 30, 100));
    strip->setRotation(-std::numbers::pi / 2.0);
    strip->setFrame(Rect(0, 100, 100, 30));
    strip->setContentSize(Size{30, 400});
    screen->view()->addSubview(strip);
    EXPECT_EQ(run("drag @ScrollView -100 0\n"), "");
    EXPECT_EQ(strip->contentOffset(), (Point{0, 100}));
}

TEST_F(ScreenScriptAimTest, KeysReturnAndBackspaceActOnTheFieldBeingEdited) {
    int returns = 0;
    screen->field->addAction(kControlEventEditingDidEndOnExit, [&](Control&) { ++returns; });
    EXPECT_EQ(run("key return\n"), "error: no field is being edited (tap one first)\n");
    EXPECT_EQ(run("tap City\ntype Parisé\nkey backspace\nkey return\nkey tab\n"),
              "error: key takes return, search or backspace\n");
    EXPECT_EQ(screen->field->text(), "Paris");
    EXPECT_EQ(returns, 1);
}

TEST_F(ScreenScriptAimTest, RegisteredCommandsTakeTheirArgumentAndErrorsGoToTheErrorStream) {
    std::vector<std::string> tabs;
    EXPECT_FALSE(ScreenScript::registerCommand("tap", [](const std::string&) { return std::nullopt; }));
    ASSERT_TRUE(ScreenScript::registerCommand("tab", [&](const std::string& name) -> std::optional<std::string> {
        tabs.push_back(name);
        return name == "Maps" ? std::nullopt : std::optional<std::string>("no tab " + name);
    }));
    std::ostringstream out;
    std::ostringstream errors;
    std::istringstream lines("tab  Maps \ntab Moon\x1b[2J\ndump\n");
    EXPECT_TRUE(ScreenScript(out, errors).run(lines));
    ScreenScript::registerCommand("tab", nullptr);
    EXPECT_EQ(tabs, (std::vector<std::string>{"Maps", "Moon\x1b[2J"}));
    EXPECT_EQ(errors.str(), "error: no tab Moon\\x1B[2J\n");
    EXPECT_NE(out.str().find("Refresh"), std::string::npos);
    EXPECT_EQ(run("tab Maps\n"), "error: unknown command \"tab\"\n");
}

}  // namespace
}  // namespace platform::ui
