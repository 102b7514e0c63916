#include <gtest/gtest.h>

#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class AlertJournal : public AlertViewDelegate, public ActionSheetDelegate {
public:
    void alertViewClickedButtonAtIndex(AlertView& alert, int index) override {
        note("clicked", index, alert.isVisible());
    }
    void alertViewWillDismissWithButtonIndex(AlertView& alert, int index) override {
        note("willDismiss", index, alert.isVisible());
    }
    void alertViewDidDismissWithButtonIndex(AlertView& alert, int index) override {
        note("didDismiss", index, alert.isVisible());
    }
    void actionSheetClickedButtonAtIndex(ActionSheet&, int index) override { note("sheetClicked", index, true); }
    void actionSheetDidDismissWithButtonIndex(ActionSheet&, int index) override {
        note("sheetDidDismiss", index, false);
    }

    void note(const std::string& event, int index, bool visible) {
        journal.push_back(event + " " + std::to_string(index) + (visible ? " shown" : " gone") +
                          (PopupRegistry::shared().visible().empty() ? "" : " listed"));
    }
    std::vector<std::string> journal;
};

class AlertTest : public UiFixture {};

TEST_F(AlertTest, AlertButtonsPutCancelFirstThenTheOthersInOrder) {
    AlertView alert("Notice", "No data", {}, std::string("OK"), {"Retry", "Settings"});
    EXPECT_EQ(alert.cancelButtonIndex(), 0);
    EXPECT_EQ(alert.firstOtherButtonIndex(), 1);
    EXPECT_EQ(alert.addButtonWithTitle("Help"), 3);
    EXPECT_EQ(alert.buttonTitleAtIndex(2), "Settings");
    EXPECT_EQ(alert.buttonTitleAtIndex(4), "");
    AlertView noCancel("Title", "", {}, std::nullopt, {"A", "B"});
    EXPECT_EQ(noCancel.cancelButtonIndex(), -1);
    EXPECT_EQ(noCancel.firstOtherButtonIndex(), 0);
    EXPECT_EQ(noCancel.buttonTitleAtIndex(1), "B");
}

TEST_F(AlertTest, ClickTellsTheDelegateClickedThenWillThenDidDismiss) {
    auto delegate = std::make_shared<AlertJournal>();
    auto alert =
        std::make_shared<AlertView>("Notice", "Failed", delegate, std::string("OK"), std::vector<std::string>{"Retry"});
    alert->show();
    alert->show();
    EXPECT_EQ(PopupRegistry::shared().visible().size(), 1u);
    EXPECT_EQ(PopupRegistry::shared().top(), alert);
    EXPECT_EQ(alert->text(), "Notice: Failed [0 OK] [1 Retry]");
    alert->clickButtonAtIndex(5);
    EXPECT_TRUE(delegate->journal.empty());
    alert->clickButtonAtIndex(1);
    EXPECT_EQ(delegate->journal,
              (std::vector<std::string>{"clicked 1 shown listed", "willDismiss 1 shown listed", "didDismiss 1 gone"}));
    EXPECT_FALSE(alert->isVisible());
    alert->clickButtonAtIndex(0);
    EXPECT_EQ(delegate->journal.size(), 3u);
}

TEST_F(AlertTest, DismissFromCodeSkipsTheClickAndSurvivesAGoneDelegate) {
    auto delegate = std::make_shared<AlertJournal>();
    auto alert = std::make_shared<AlertView>("Loading", "", delegate);
    alert->show();
    alert->dismissWithClickedButtonIndex(0, false);
    EXPECT_EQ(delegate->journal, (std::vector<std::string>{"willDismiss 0 shown listed", "didDismiss 0 gone"}));
    auto orphan = std::make_shared<AlertView>("Notice", "", std::make_shared<AlertJournal>(), std::string("OK"));
    orphan->show();
    orphan.reset();  // the registry keeps a shown alert alive
    ASSERT_TRUE(PopupRegistry::shared().top());
    PopupRegistry::shared().top()->clickButtonAtIndex(0);
    EXPECT_TRUE(PopupRegistry::shared().visible().empty());
}

TEST_F(AlertTest, ActionSheetPutsCancelLast) {
    auto delegate = std::make_shared<AlertJournal>();
    auto sheet = std::make_shared<ActionSheet>("Share Current Conditions", delegate, std::string("Cancel"),
                                               std::string("Delete"), std::vector<std::string>{"Email", "Tweet"});
    EXPECT_EQ(sheet->destructiveButtonIndex(), 0);
    EXPECT_EQ(sheet->buttonTitleAtIndex(1), "Email");
    EXPECT_EQ(sheet->cancelButtonIndex(), 3);
    auto built = std::make_shared<ActionSheet>("Share", delegate);
    built->addButtonWithTitle("Email to a Friend");
    built->setCancelButtonIndex(built->addButtonWithTitle("Cancel"));
    EXPECT_EQ(built->cancelButtonIndex(), 1);
    auto host = std::make_shared<View>();
    built->showInView(host);
    EXPECT_EQ(built->shownInView(), host);
    EXPECT_EQ(built->frame().maxY(), 480.0);
    EXPECT_TRUE(built->tapText("Cancel"));
    EXPECT_EQ(delegate->journal, (std::vector<std::string>{"sheetClicked 1 shown listed", "sheetDidDismiss 1 gone"}));
}

}  // namespace
}  // namespace platform::ui
