#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ActionSheetDelegate.h"
#include "platform/ui/PopupView.h"

namespace platform::ui {

// A sheet of buttons rising from the bottom of the screen. Button indexes: the destructive button first
// when given, then the others in the order added, then the cancel button (last) when given. A sheet built
// by adding buttons sets its cancel index itself. The delegate is not retained.
class ActionSheet : public PopupView {
public:
    ActionSheet(std::string title, std::weak_ptr<ActionSheetDelegate> delegate = {},
                std::optional<std::string> cancelButtonTitle = std::nullopt,
                std::optional<std::string> destructiveButtonTitle = std::nullopt,
                const std::vector<std::string>& otherButtonTitles = {});

    std::shared_ptr<ActionSheetDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<ActionSheetDelegate> delegate) { m_delegate = std::move(delegate); }
    int destructiveButtonIndex() const { return m_destructiveButtonIndex; }

    // Shows the sheet for the view (recorded, not retained).
    void showInView(const std::shared_ptr<View>& view);
    std::shared_ptr<View> shownInView() const { return m_shownInView.lock(); }

    Rect buttonFrame(int index) const override;
    void draw(gfx::BitmapContext& context) const override;

protected:
    void clicked(int index) override;
    void willDismiss(int index) override;
    void didDismiss(int index) override;
    void layoutForShow() override;

private:
    double titleHeight() const;

    std::weak_ptr<ActionSheetDelegate> m_delegate;
    int m_destructiveButtonIndex = -1;
    std::weak_ptr<View> m_shownInView;
};

}  // namespace platform::ui
