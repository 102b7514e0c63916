#include <gtest/gtest.h>

#include "platform/base/Callback.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/WebBrowserViewController.h"
#include "platform/ui/WebView.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/support/TempHome.h"

namespace platform::ui {
namespace {

class BarAndWebTest : public UiFixture {};

class WebJournal : public WebViewDelegate {
public:
    bool webViewShouldStartLoad(WebView&, const std::string& url, WebViewNavigationType) override {
        journal.push_back("should " + url);
        return url.find("blocked") == std::string::npos;
    }
    void webViewDidStartLoad(WebView&) override { journal.push_back("start"); }
    void webViewDidFinishLoad(WebView&) override { journal.push_back("finish"); }
    void webViewDidFailLoad(WebView&, const std::string&) override { journal.push_back("fail"); }
    std::vector<std::string> journal;
};

class BrowserJournal : public WebBrowserDelegate {
public:
    void doneWithBrowser(WebBrowserViewController&) override { ++done; }
    int done = 0;
};

TEST_F(BarAndWebTest, ToolbarLaysOutItemsAndTapsThemByTitle) {
    auto toolbar = std::make_shared<Toolbar>(Rect(0, 0, 320, 44));
    std::vector<std::string> taps;
    auto play = std::make_shared<BarButtonItem>(BarButtonSystemItem::Play,
                                                [&](BarButtonItem& item) { taps.push_back(item.title()); });
    auto options = std::make_shared<BarButtonItem>("Options", BarButtonItemStyle::Bordered,
                                                   [&](BarButtonItem& item) { taps.push_back(item.title()); });
    toolbar->setItems({play, std::make_shared<BarButtonItem>(BarButtonSystemItem::FlexibleSpace), options});
    EXPECT_EQ(toolbar->text(), "Play | Options");
    const auto frames = toolbar->itemFrames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_GT(frames[1].width(), 100.0);
    EXPECT_TRUE(toolbar->tapText("Play"));
    options->setEnabled(false);
    EXPECT_FALSE(toolbar->tapText("Options"));
    EXPECT_FALSE(toolbar->tapText("Pause"));
    EXPECT_EQ(taps, std::vector<std::string>{"Play"});
}

TEST_F(BarAndWebTest, NavigationBarBackButtonIsTitledAfterTheItemBelow) {
    NavigationBar bar(Rect(0, 0, 320, 44));
    auto root = std::make_shared<NavigationItem>("Settings");
    auto detail = std::make_shared<NavigationItem>("Units");
    bar.pushNavigationItem(root);
    EXPECT_EQ(bar.backButtonTitle(), "");
    bar.pushNavigationItem(detail);
    EXPECT_EQ(bar.backButtonTitle(), "Settings");
    EXPECT_EQ(bar.text(), "Units");
    root->setBackBarButtonItem(std::make_shared<BarButtonItem>("Back", BarButtonItemStyle::Bordered));
    EXPECT_EQ(bar.backButtonTitle(), "Back");
    int backs = 0;
    bar.setBackAction([&] { ++backs; });
    EXPECT_TRUE(bar.tapText("Back"));
    int saves = 0;
    detail->setLeftBarButtonItem(
        std::make_shared<BarButtonItem>(BarButtonSystemItem::Save, [&](BarButtonItem&) { ++saves; }));
    EXPECT_EQ(bar.backButtonTitle(), "");
    EXPECT_TRUE(bar.tapText("Save"));
    EXPECT_FALSE(bar.tapBackButton());
    EXPECT_EQ(bar.popNavigationItem(), detail);
    EXPECT_EQ(backs, 1);
    EXPECT_EQ(saves, 1);
}

TEST_F(BarAndWebTest, ATitleTooLongForTheBarGoesOnTwoSmallerLines) {
    NavigationBar bar(Rect(0, 0, 320, 44));
    bar.pushNavigationItem(std::make_shared<NavigationItem>("Settings"));
    EXPECT_EQ(bar.titleLines(), std::vector<std::string>{"Settings"});
    bar.pushNavigationItem(std::make_shared<NavigationItem>("End User License Agreement"));
    EXPECT_EQ(bar.titleLines(), (std::vector<std::string>{"End User License", "Agreement"}));
    bar.pushNavigationItem(std::make_shared<NavigationItem>(std::string(200, 'W')));
    EXPECT_EQ(bar.titleLines().size(), 2u);
}

TEST_F(BarAndWebTest, WebViewRecordsLoadsAndReportsThemOnLaterTurns) {
    qovtest::TempHome home;
    auto web = std::make_shared<WebView>(Rect(0, 0, 320, 400));
    auto delegate = std::make_shared<WebJournal>();
    web->setDelegate(delegate);
    web->loadRequest("https://example.com/help.html");
    EXPECT_EQ(web->url(), "https://example.com/help.html");
    EXPECT_TRUE(web->isLoading());
    EXPECT_EQ(delegate->journal, std::vector<std::string>{"should https://example.com/help.html"});
    loop().runUntilIdle();
    EXPECT_FALSE(web->isLoading());
    web->loadRequest("https://blocked.example.com/");
    EXPECT_EQ(web->url(), "https://example.com/help.html");
    web->loadRequest("file://" + (home.path() / "missing.html").string());
    loop().runUntilIdle();
    web->loadHTMLString("<p>Terms</p>", "file:///bundle/");
    web->stopLoading();
    loop().runUntilIdle();
    EXPECT_EQ(web->html(), "<p>Terms</p>");
    EXPECT_EQ(web->text(), "file:///bundle/");
    EXPECT_EQ(delegate->journal.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(delegate->journal.begin() + 1, delegate->journal.end()),
              (std::vector<std::string>{"start", "finish", "should https://blocked.example.com/",
                                        "should file://" + (home.path() / "missing.html").string(), "start", "fail"}));
}

TEST_F(BarAndWebTest, BrowserLoadsItsUrlAndEndsThroughDone) {
    auto browser = std::make_shared<WebBrowserViewController>();
    auto delegate = std::make_shared<BrowserJournal>();
    browser->setBrowserDelegate(delegate);
    int callbacks = 0;
    browser->setDoneCallback([&](WebBrowserViewController&) { ++callbacks; });
    browser->setURL("https://example.com/ad");
    EXPECT_EQ(browser->webView()->url(), "https://example.com/ad");
    EXPECT_TRUE(browser->toolbar()->tapText("Done"));
    EXPECT_EQ(delegate->done, 1);
    EXPECT_EQ(callbacks, 1);
}

}  // namespace
}  // namespace platform::ui
