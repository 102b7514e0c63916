#include "platform/ui/WebView.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/base/Callback.h"
#include "platform/base/RunLoop.h"
#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

namespace {

constexpr std::string_view kFileScheme = "file://";
constexpr std::uintmax_t kLargestShownFile = 1U << 20;

HtmlText readPage(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kLargestShownFile) {
        return {};
    }
    std::ifstream stream(file, std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    return HtmlText::fromHtml(html);
}

}  // namespace

void WebView::loadRequest(const std::string& url) {
    auto delegate = m_delegate.lock();
    if (delegate && !delegate->webViewShouldStartLoad(*this, url, WebViewNavigationType::Other)) {
        return;
    }
    m_url = url;
    m_html.clear();
    m_baseURL.clear();
    m_page = {};
    std::string failure;
    if (url.starts_with(kFileScheme)) {
        std::error_code error;
        const std::filesystem::path file = url.substr(kFileScheme.size());
        if (!std::filesystem::is_regular_file(file, error)) {
            failure = "The file does not exist: " + url;
        } else {
            m_page = readPage(file);
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
    m_page = HtmlText::fromHtml(m_html);
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
    if (m_page.title.empty() && m_page.text.empty()) {
        context.drawText(text(), Rect(8.0, 8.0, bounds().width() - 16.0, 20.0), gfx::Font::systemFont(12.0),
                         gfx::Color::gray());
        return;
    }
    const double width = bounds().width() - 16.0;
    context.drawText(m_page.title, Rect(8.0, 8.0, width, 24.0), gfx::Font::boldSystemFont(17.0), gfx::Color::black());
    const auto font = gfx::Font::systemFont(14.0);
    const double height = std::min(font.sizeOfText(m_page.text, width).height, bounds().height() - 48.0);
    context.drawText(m_page.text, Rect(8.0, 40.0, width, height), font, gfx::Color::darkGray(),
                     gfx::TextAlignment::Left, 0);
}

}  // namespace platform::ui
