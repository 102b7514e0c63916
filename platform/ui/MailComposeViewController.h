#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/MailComposeDelegate.h"
#include "platform/ui/ViewController.h"

namespace platform::ui {

// Stands in for the system's mail composer: it keeps what the application fills in; finish() is the user
// sending, saving, cancelling or failing. Whether the device can send mail is a switch (tests, runner).
// The delegate is not retained.
class MailComposeViewController : public ViewController {
public:
    static bool canSendMail();
    static void setCanSendMail(bool canSend);

    const std::string& subject() const { return m_subject; }
    void setSubject(std::string subject) { m_subject = std::move(subject); }
    const std::string& messageBody() const { return m_messageBody; }
    bool isBodyHTML() const { return m_bodyHTML; }
    void setMessageBody(std::string body, bool isHTML);
    const std::vector<std::string>& toRecipients() const { return m_toRecipients; }
    void setToRecipients(std::vector<std::string> recipients) { m_toRecipients = std::move(recipients); }
    const std::vector<std::string>& ccRecipients() const { return m_ccRecipients; }
    void setCcRecipients(std::vector<std::string> recipients) { m_ccRecipients = std::move(recipients); }
    std::shared_ptr<MailComposeDelegate> mailComposeDelegate() const { return m_delegate.lock(); }
    void setMailComposeDelegate(std::weak_ptr<MailComposeDelegate> delegate) { m_delegate = std::move(delegate); }

    // The user leaves the composer with the result (the error is set for a failure).
    void finish(MailComposeResult result, const std::string& error = {});

    void loadView() override;

private:
    std::string m_subject;
    std::string m_messageBody;
    bool m_bodyHTML = false;
    std::vector<std::string> m_toRecipients;
    std::vector<std::string> m_ccRecipients;
    std::weak_ptr<MailComposeDelegate> m_delegate;
};

}  // namespace platform::ui
