#pragma once

#include <memory>
#include <string>

#include "platform/ui/HtmlText.h"

#include "platform/ui/View.h"
#include "platform/ui/WebViewDelegate.h"

namespace platform::ui {

// A web page. Headless: it records what it was asked to load (a URL, a file URL or an HTML text) and
// reports the load to its delegate on later run-loop turns (started, then finished; a "file://" URL
// whose file is missing fails). The delegate is not retained.
class WebView : public View {
public:
    using View::View;

    // Asks the delegate first; a refused load records nothing.
    void loadRequest(const std::string& url);
    void loadHTMLString(std::string html, std::string baseURL);
    void stopLoading();
    bool isLoading() const { return m_loading; }

    // The URL last loaded ("" after an HTML string) and the HTML text last loaded.
    const std::string& url() const { return m_url; }
    const std::string& html() const { return m_html; }
    const std::string& baseURL() const { return m_baseURL; }
    // The title and text of the page loaded from a file or a string (empty for other addresses); the picture
    // shows them, or the address when there are none.
    const HtmlText& page() const { return m_page; }
    bool scalesPageToFit() const { return m_scalesPageToFit; }
    void setScalesPageToFit(bool scales) { m_scalesPageToFit = scales; }
    std::shared_ptr<WebViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<WebViewDelegate> delegate) { m_delegate = std::move(delegate); }

    // The URL, or the base URL of an HTML text.
    std::string text() const override { return m_url.empty() ? m_baseURL : m_url; }
    void draw(gfx::BitmapContext& context) const override;

private:
    void startLoad(std::string failure);

    std::string m_url;
    std::string m_html;
    std::string m_baseURL;
    HtmlText m_page;
    bool m_scalesPageToFit = false;
    bool m_loading = false;
    unsigned m_loadNumber = 0;
    std::weak_ptr<WebViewDelegate> m_delegate;
};

}  // namespace platform::ui
