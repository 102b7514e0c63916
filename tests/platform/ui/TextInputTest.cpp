#include <gtest/gtest.h>

#include "platform/ui/SearchBar.h"
#include "platform/ui/TextField.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class TextInputTest : public UiFixture {};

class FieldDelegate : public TextFieldDelegate {
public:
    bool textFieldShouldBeginEditing(TextField&) override { return note("shouldBegin", allowBegin); }
    void textFieldDidBeginEditing(TextField&) override { note("didBegin", true); }
    bool textFieldShouldEndEditing(TextField&) override { return note("shouldEnd", allowEnd); }
    void textFieldDidEndEditing(TextField&) override { note("didEnd", true); }
    bool textFieldShouldChangeCharacters(TextField&, std::size_t location, std::size_t,
                                         const std::string& text) override {
        return note("change " + std::to_string(location) + " " + text, text != "!");
    }
    bool textFieldShouldClear(TextField&) override { return note("shouldClear", true); }
    bool textFieldShouldReturn(TextField& field) override {
        note("shouldReturn", true);
        field.resignFirstResponder();
        return false;
    }
    bool note(const std::string& event, bool answer) {
        journal.push_back(event);
        return answer;
    }
    std::vector<std::string> journal;
    bool allowBegin = true;
    bool allowEnd = true;
};

class BarDelegate : public SearchBarDelegate {
public:
    void searchBarTextDidBeginEditing(SearchBar&) override { journal.push_back("begin"); }
    void searchBarTextDidEndEditing(SearchBar&) override { journal.push_back("end"); }
    void searchBarTextDidChange(SearchBar&, const std::string& text) override { journal.push_back("change " + text); }
    void searchBarSearchButtonClicked(SearchBar&) override { journal.push_back("search"); }
    void searchBarCancelButtonClicked(SearchBar& bar) override {
        journal.push_back("cancel");
        bar.resignFirstResponder();
    }
    std::vector<std::string> journal;
};

TEST_F(TextInputTest, TextFieldAsksItsDelegateAroundEditing) {
    auto field = std::make_shared<TextField>();
    auto delegate = std::make_shared<FieldDelegate>();
    field->setDelegate(delegate);
    field->setClearButtonMode(TextFieldViewMode::WhileEditing);
    int endOnExit = 0;
    field->addAction(kControlEventEditingDidEndOnExit, [&](Control&) { ++endOnExit; });

    delegate->allowBegin = false;
    field->typeText("x");
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(field->text(), "");
    delegate->allowBegin = true;
    field->typeText("Atl");
    field->typeText("!");
    EXPECT_EQ(field->text(), "Atl");
    EXPECT_TRUE(field->isEditing());
    EXPECT_TRUE(field->isClearButtonShown());
    field->tapClearButton();
    EXPECT_EQ(field->text(), "");
    field->pressReturn();
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(endOnExit, 0);
    EXPECT_EQ(delegate->journal,
              (std::vector<std::string>{"shouldBegin", "shouldBegin", "didBegin", "change 0 Atl", "change 3 !",
                                        "shouldClear", "shouldReturn", "shouldEnd", "didEnd"}));
}

TEST_F(TextInputTest, OnlyOneFirstResponderAndARefusingOneKeepsIt) {
    auto first = std::make_shared<TextField>();
    auto second = std::make_shared<TextField>();
    auto delegate = std::make_shared<FieldDelegate>();
    first->setDelegate(delegate);
    EXPECT_TRUE(first->becomeFirstResponder());
    delegate->allowEnd = false;
    EXPECT_FALSE(second->becomeFirstResponder());
    EXPECT_EQ(Responder::firstResponder(), first);
    delegate->allowEnd = true;
    EXPECT_TRUE(second->becomeFirstResponder());
    EXPECT_FALSE(first->isEditing());
    EXPECT_EQ(Responder::firstResponder(), second);
    second->setEnabled(false);
    second->resignFirstResponder();
    EXPECT_FALSE(second->becomeFirstResponder());
}

TEST_F(TextInputTest, SearchBarReportsTypingSearchAndCancel) {
    auto bar = std::make_shared<SearchBar>(Rect(0, 0, 320, 44));
    auto delegate = std::make_shared<BarDelegate>();
    bar->setDelegate(delegate);
    bar->setPlaceholder("City or ZIP");
    bar->setText("ignored by the delegate");
    bar->setText("");
    EXPECT_TRUE(bar->tapText("City or ZIP"));
    bar->typeText("Par");
    bar->typeText("is");
    bar->pressSearch();
    bar->pressCancel();  // no cancel button yet
    bar->setShowsCancelButton(true);
    EXPECT_TRUE(bar->tapText("Cancel"));
    EXPECT_EQ(delegate->journal,
              (std::vector<std::string>{"begin", "change Par", "change Paris", "search", "cancel", "end"}));
}

}  // namespace
}  // namespace platform::ui
