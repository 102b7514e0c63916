#pragma once

#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace platform::ui {

// What alerts and action sheets share: a title, buttons by index and the click / dismiss sequence.
// A shown popup is laid over the screen and kept in the PopupRegistry until it is dismissed.
class PopupView : public View {
public:
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }

    // Appends a button; answers its index.
    int addButtonWithTitle(std::string title);
    int numberOfButtons() const { return static_cast<int>(m_buttonTitles.size()); }
    // The title of the button, or "" when there is no such index.
    std::string buttonTitleAtIndex(int index) const;
    int cancelButtonIndex() const { return m_cancelButtonIndex; }
    void setCancelButtonIndex(int index) { m_cancelButtonIndex = index; }

    bool isVisible() const { return m_visible; }
    void show();

    // The user taps a button: clicked, will dismiss, did dismiss. An index without a button does nothing.
    void clickButtonAtIndex(int index);
    // Dismissed by code: will dismiss and did dismiss with the index (no click). Does nothing when hidden.
    void dismissWithClickedButtonIndex(int index, bool animated);

    // The title, the message (if any) and the buttons with their indexes: Notice: Failed [0 OK] [1 Retry]
    std::string text() const override;
    // A tap on a button's title clicks it.
    bool tapText(const std::string& text) override;

    // Where each button is drawn, in the popup's bounds.
    virtual Rect buttonFrame(int index) const = 0;

protected:
    virtual void clicked(int index) = 0;
    virtual void willDismiss(int index) = 0;
    virtual void didDismiss(int index) = 0;
    // The text under the title ("" by default).
    virtual std::string message() const { return {}; }
    // Sets the frame for showing on the screen.
    virtual void layoutForShow() = 0;

    const std::vector<std::string>& buttonTitles() const { return m_buttonTitles; }

private:
    void dismiss(int index, bool click);

    std::string m_title;
    std::vector<std::string> m_buttonTitles;
    int m_cancelButtonIndex = -1;
    bool m_visible = false;
};

}  // namespace platform::ui
