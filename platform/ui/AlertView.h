#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/AlertViewDelegate.h"
#include "platform/ui/PopupView.h"

namespace platform::ui {

// A centred alert with a title, a message and buttons. Button indexes: the cancel button first (0) when
// one is given, then the other buttons in the order added. The delegate is not retained.
class AlertView : public PopupView {
public:
    static constexpr double kWidth = 284.0;

    AlertView(std::string title, std::string message, std::weak_ptr<AlertViewDelegate> delegate = {},
              std::optional<std::string> cancelButtonTitle = std::nullopt,
              const std::vector<std::string>& otherButtonTitles = {});

    std::string message() const override { return m_message; }
    void setMessage(std::string message) { m_message = std::move(message); }
    std::shared_ptr<AlertViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<AlertViewDelegate> delegate) { m_delegate = std::move(delegate); }
    // The first button that is not the cancel button, or -1.
    int firstOtherButtonIndex() const;

    Rect buttonFrame(int index) const override;
    void draw(gfx::BitmapContext& context) const override;

protected:
    void clicked(int index) override;
    void willDismiss(int index) override;
    void didDismiss(int index) override;
    void layoutForShow() override;

private:
    double textHeight() const;

    std::string m_message;
    std::weak_ptr<AlertViewDelegate> m_delegate;
};

}  // namespace platform::ui
