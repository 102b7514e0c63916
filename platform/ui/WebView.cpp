#include "platform/ui/WebView.h"

#include <filesystem>

#include "platform/base/Callback.h"
#include "platform/base/RunLoop.h"
#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

namespace {

constexpr std::string_view kFileScheme = "file://";

}  // namespace

void WebView::loadRequest(const std::string& url) {
    auto delegate = m_delegate.lock();
    if (delegate && !delegate->webViewShouldStartLoad(*this, url, WebViewNavigationType::Other)) {
        return;
    }
    m_url = url;
    m_html.clear();
    m_baseURL.clear();
    std::string failure;
    if (url.starts_with(kFileScheme)) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(url.substr(kFileScheme.size()), error)) {
            failure = "The file does not exist: " + url;
        }
    } else if (url.empty()) {
        failure = "No URL to load";
    }
    startLoad(std::move(failure));
    setNeedsDisplay();
}

void WebView::loadHTMLString(std::string html, std::string baseURL) {
    m_url.clear();
    m_html = std::move(html);
    m_baseURL = std::move(baseURL);
    startLoad({});
    setNeedsDisplay();
}

void WebView::stopLoading() {
    m_loading = false;
    ++m_loadNumber;  // the pending report belongs to a load that no longer is
}

void WebView::startLoad(std::string failure) {
    m_loading = true;
    const unsigned load = ++m_loadNumber;
    auto self = std::static_pointer_cast<WebView>(shared_from_this());
    RunLoop::main().post(bindWeak(self, [load](WebView& view) {
        if (auto delegate = view.m_delegate.lock(); delegate && view.m_loadNumber == load) {
            delegate->webViewDidStartLoad(view);
        }
    }));
    RunLoop::main().post(bindWeak(self, [load, failure = std::move(failure)](WebView& view) {
        if (view.m_loadNumber != load) {
            return;
        }
        view.m_loading = false;
        if (auto delegate = view.m_delegate.lock()) {
            if (failure.empty()) {
                delegate->webViewDidFinishLoad(view);
            } else {
                delegate->webViewDidFailLoad(view, failure);
            }
        }
    }));
}

void WebView::draw(gfx::BitmapContext& context) const {
    context.fillRect(bounds(), gfx::Color::white());
    context.drawText(text(), Rect(8.0, 8.0, bounds().width() - 16.0, 20.0), gfx::Font::systemFont(12.0),
                     gfx::Color::gray());
}

}  // namespace platform::ui
