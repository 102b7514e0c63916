#include "platform/ui/WebBrowserViewController.h"

#include "platform/base/Callback.h"
#include "platform/ui/Application.h"
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

const std::shared_ptr<BarButtonItem>& WebBrowserViewController::safariButton() {
    view();
    return m_safariButton;
}

const std::shared_ptr<BarButtonItem>& WebBrowserViewController::refreshButton() {
    view();
    return m_refreshButton;
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
    m_toolbar =
        std::make_shared<Toolbar>(Rect(0.0, frame.height() - Toolbar::kHeight, frame.width(), Toolbar::kHeight));
    m_toolbar->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleTopMargin);
    const auto self = std::static_pointer_cast<WebBrowserViewController>(shared_from_this());
    auto doneItem = std::make_shared<BarButtonItem>(
        BarButtonSystemItem::Done,
        bindWeak(self, [](WebBrowserViewController& browser, BarButtonItem&) { browser.done(); }));
    m_refreshButton = std::make_shared<BarButtonItem>(
        BarButtonSystemItem::Refresh, bindWeak(self, [](WebBrowserViewController& browser, BarButtonItem&) {
            if (!browser.m_url.empty()) {
                browser.m_webView->loadRequest(browser.m_url);
            }
        }));
    m_safariButton = std::make_shared<BarButtonItem>(
        "Safari", BarButtonItemStyle::Bordered, bindWeak(self, [](WebBrowserViewController& browser, BarButtonItem&) {
            if (!browser.m_url.empty()) {
                Application::shared().openURL(browser.m_url);
            }
        }));
    m_toolbar->setItems({m_refreshButton, m_safariButton,
                         std::make_shared<BarButtonItem>(BarButtonSystemItem::FlexibleSpace), doneItem});
    view->addSubview(m_toolbar);
    setView(view);
    if (!m_url.empty()) {
        m_webView->loadRequest(m_url);
    }
}

}  // namespace platform::ui
