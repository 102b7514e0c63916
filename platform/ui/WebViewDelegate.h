#pragma once

#include <string>

namespace platform::ui {

class WebView;

enum class WebViewNavigationType { LinkClicked = 0, FormSubmitted, BackForward, Reload, FormResubmitted, Other };

// Told about a web view's loads; every operation is optional.
class WebViewDelegate {
public:
    virtual ~WebViewDelegate() = default;
    virtual bool webViewShouldStartLoad(WebView&, const std::string& /*url*/, WebViewNavigationType) { return true; }
    virtual void webViewDidStartLoad(WebView&) {}
    virtual void webViewDidFinishLoad(WebView&) {}
    virtual void webViewDidFailLoad(WebView&, const std::string& /*error*/) {}
};

}  // namespace platform::ui
