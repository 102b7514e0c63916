#include "platform/ui/WebBrowserViewController.h"

#include "platform/base/Callback.h"
#include "platform/ui/Screen.h"

namespace platform::ui {

void WebBrowserViewController::setURL(std::string url) {
    m_url = std::move(url);
    if (isViewLoaded()) {
        webView()->loadRequest(m_url);
    }
}

const std::shared_ptr<WebView>& WebBrowserViewController::webView() {
    view();
    return m_webView;
}

const std::shared_ptr<Toolbar>& WebBrowserViewController::toolbar() {
    view();
    return m_toolbar;
}

void WebBrowserViewController::done() {
    const auto keep = shared_from_this();  // the callbacks usually dismiss and release the browser
    if (auto delegate = m_browserDelegate.lock()) {
        delegate->doneWithBrowser(*this);
    }
    if (m_doneCallback) {
        m_doneCallback(*this);
    }
}

void WebBrowserViewController::loadView() {
    const Rect frame = Screen::applicationFrame();
    auto view = std::make_shared<View>(frame);
    view->setBackgroundColor(gfx::Color::white());
    m_webView = std::make_shared<WebView>(Rect(0.0, 0.0, frame.width(), frame.height() - Toolbar::kHeight));
    m_webView->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
    m_webView->setScalesPageToFit(true);
    view->addSubview(m_webView);
    m_toolbar = std::make_shared<Toolbar>(Rect(0.0, frame.height() - Toolbar::kHeight, frame.width(), Toolbar::kHeight));
    m_toolbar->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleTopMargin);
    auto doneItem = std::make_shared<BarButtonItem>(
        BarButtonSystemItem::Done,
        bindWeak(std::static_pointer_cast<WebBrowserViewController>(shared_from_this()),
                 [](WebBrowserViewController& browser, BarButtonItem&) { browser.done(); }));
    m_toolbar->setItems({std::make_shared<BarButtonItem>(BarButtonSystemItem::FlexibleSpace), doneItem});
    view->addSubview(m_toolbar);
    setView(view);
    if (!m_url.empty()) {
        m_webView->loadRequest(m_url);
    }
}

}  // namespace platform::ui
