#include "platform/ui/MailComposeViewController.h"

#include <atomic>

#include "platform/base/Callback.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TextView.h"

namespace platform::ui {

namespace {

std::atomic<bool>& canSend() {
    static std::atomic<bool> value{true};
    return value;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string result;
    for (const std::string& part : parts) {
        result += result.empty() ? part : ", " + part;
    }
    return result;
}

}  // namespace

bool MailComposeViewController::canSendMail() { return canSend(); }

void MailComposeViewController::setCanSendMail(bool value) { canSend() = value; }

void MailComposeViewController::setMessageBody(std::string body, bool isHTML) {
    m_messageBody = std::move(body);
    m_bodyHTML = isHTML;
}

void MailComposeViewController::finish(MailComposeResult result, const std::string& error) {
    const auto keep = shared_from_this();
    if (auto delegate = m_delegate.lock()) {
        delegate->mailComposeDidFinish(*this, result, error);
    }
}

void MailComposeViewController::loadView() {
    const Rect frame = Screen::applicationFrame();
    auto view = std::make_shared<View>(frame);
    view->setBackgroundColor(gfx::Color::white());
    auto bar = std::make_shared<NavigationBar>(Rect(0.0, 0.0, frame.width(), NavigationBar::kHeight));
    auto item = std::make_shared<NavigationItem>(m_subject.empty() ? "New Message" : m_subject);
    auto self = std::static_pointer_cast<MailComposeViewController>(shared_from_this());
    item->setLeftBarButtonItem(std::make_shared<BarButtonItem>(
        BarButtonSystemItem::Cancel, bindWeak(self, [](MailComposeViewController& composer, BarButtonItem&) {
            composer.finish(MailComposeResult::Cancelled);
        })));
    item->setRightBarButtonItem(std::make_shared<BarButtonItem>(
        "Send", BarButtonItemStyle::Done, bindWeak(self, [](MailComposeViewController& composer, BarButtonItem&) {
            composer.finish(MailComposeResult::Sent);
        })));
    bar->pushNavigationItem(item);
    view->addSubview(bar);
    double y = NavigationBar::kHeight;
    for (const auto& [caption, value] :
         {std::pair<std::string, std::string>{"To:", joined(m_toRecipients)}, {"Subject:", m_subject}}) {
        auto label = std::make_shared<Label>(Rect(8.0, y, frame.width() - 16.0, 30.0));
        label->setText(caption + " " + value);
        label->setFont(gfx::Font::systemFont(15.0));
        view->addSubview(label);
        y += 30.0;
    }
    auto body = std::make_shared<TextView>(Rect(0.0, y, frame.width(), frame.height() - y));
    body->setText(m_messageBody);
    body->setFont(gfx::Font::systemFont(14.0));
    view->addSubview(body);
    setView(view);
}

}  // namespace platform::ui
