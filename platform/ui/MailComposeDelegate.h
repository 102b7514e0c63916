#pragma once

#include <string>

namespace platform::ui {

class MailComposeViewController;

// How mail composition ended (the platform's numbering).
enum class MailComposeResult { Cancelled = 0, Saved = 1, Sent = 2, Failed = 3 };

// Told when the user leaves the mail composer; the delegate dismisses it.
class MailComposeDelegate {
public:
    virtual ~MailComposeDelegate() = default;
    virtual void mailComposeDidFinish(MailComposeViewController&, MailComposeResult, const std::string& /*error*/) {}
};

}  // namespace platform::ui
