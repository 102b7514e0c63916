#pragma once

#include <memory>
#include <string>

#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/WebView.h"

namespace qov {

// Base of the screens that show one web page under a header view; subclasses load pageURL() into the web
// view. Main thread only.
class QOVWebViewController : public platform::ui::ViewController {
public:
    using ViewController::ViewController;

    // Outlets.
    std::shared_ptr<platform::ui::View> m_headerView;
    std::shared_ptr<platform::ui::WebView> m_webView;

    const std::string& pageURL() const { return m_pageURL; }
    void setPageURL(std::string url) { m_pageURL = std::move(url); }

    // The view gets flexible width and height, then the base.
    void viewDidLoad() override;

protected:
    // Loads pageURL() into the web view when both are set.
    void loadPageURL();

private:
    std::string m_pageURL;
};

}  // namespace qov
