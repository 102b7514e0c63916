#pragma once

namespace platform::ui {

class WebBrowserViewController;

// Told when the user is done with the in-app browser.
class WebBrowserDelegate {
public:
    virtual ~WebBrowserDelegate() = default;
    virtual void doneWithBrowser(WebBrowserViewController&) {}
};

}  // namespace platform::ui
