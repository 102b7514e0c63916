#pragma once

#include <memory>
#include <string>

#include "app/shell/errorbar/ErrorBarDelegate.h"
#include "app/ui/base/QOVView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"

namespace qov {

// The root screen's one-line message banner: the message and a button that asks the delegate (not
// retained) to close the banner. A message too long for the line at the bar's font is shown in a smaller or
// narrower face, down to a readable floor, so it shows whole. Main thread only.
class ErrorBar : public QOVView {
public:
    using QOVView::QOVView;

    static constexpr const char* kInterfaceFileName = "ErrorBar";
    static constexpr double kHeight = 30.0;
    static constexpr double kFontSize = 13.0;
    // The smallest face a long message shrinks to.
    static constexpr double kMinimumFontSize = 10.0;

    static void registerInterfaceFile();

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_messageLabel;
    std::shared_ptr<platform::ui::Button> m_button;

    const std::string& message() const { return m_message; }
    // Keeps the text (when it differs) and shows the kept text in the label, in the largest face that fits it on
    // the label's line, asking it to redraw.
    void setMessage(const std::string& message);
    const std::shared_ptr<platform::ui::Label>& messageLabel() const { return m_messageLabel; }
    const std::shared_ptr<platform::ui::Button>& button() const { return m_button; }
    std::shared_ptr<ErrorBarDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<ErrorBarDelegate> delegate) { m_delegate = std::move(delegate); }

    // The button's action: the delegate's errorBarShouldClose, when there is a delegate.
    void buttonPressed();

private:
    std::string m_message;
    std::weak_ptr<ErrorBarDelegate> m_delegate;
};

}  // namespace qov
