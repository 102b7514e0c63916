#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Toolbar.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/WebBrowserDelegate.h"
#include "platform/ui/WebView.h"

namespace platform::ui {

// The in-app browser: a web view with a toolbar of a refresh button (loads the page again), a Safari button
// (opens the page outside the application) and a "Done" button that ends browsing (the delegate, then the done
// callback, are told; whoever presented the browser dismisses it). The delegate is not retained.
class WebBrowserViewController : public ViewController {
public:
    static constexpr const char* kDoneTitle = "Done";

    const std::string& url() const { return m_url; }
    // Loads the URL (now when the view exists, otherwise when it loads).
    void setURL(std::string url);
    std::shared_ptr<WebBrowserDelegate> browserDelegate() const { return m_browserDelegate.lock(); }
    void setBrowserDelegate(std::weak_ptr<WebBrowserDelegate> delegate) { m_browserDelegate = std::move(delegate); }
    void setDoneCallback(std::function<void(WebBrowserViewController&)> callback) {
        m_doneCallback = std::move(callback);
    }

    const std::shared_ptr<WebView>& webView();
    const std::shared_ptr<Toolbar>& toolbar();
    const std::shared_ptr<BarButtonItem>& safariButton();
    const std::shared_ptr<BarButtonItem>& refreshButton();

    // The user taps "Done".
    void done();

    void loadView() override;

private:
    std::string m_url;
    std::weak_ptr<WebBrowserDelegate> m_browserDelegate;
    std::function<void(WebBrowserViewController&)> m_doneCallback;
    std::shared_ptr<WebView> m_webView;
    std::shared_ptr<Toolbar> m_toolbar;
    std::shared_ptr<BarButtonItem> m_safariButton;
    std::shared_ptr<BarButtonItem> m_refreshButton;
};

}  // namespace platform::ui
