#pragma once

namespace platform::ui {

// The system's mail composer, as far as this platform has one: the machine has no mail transport, so no mail can
// be sent and none is composed. Screens ask canSendMail() before offering to write one and tell the user when
// the answer is no, rather than open a composer whose mail would go nowhere.
class MailComposeViewController {
public:
    static bool canSendMail() { return false; }
};

}  // namespace platform::ui
