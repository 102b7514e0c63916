#pragma once

#include <memory>
#include <string>

#include "platform/ui/BarStyle.h"
#include "platform/ui/SearchBarDelegate.h"
#include "platform/ui/TextInputTraits.h"
#include "platform/ui/View.h"

namespace platform::ui {

class Image;
class SearchDisplayController;

// A search field on a bar, with an optional cancel button. typeText(), pressSearch() and pressCancel()
// are the user's keys. The delegate is not retained. A search display controller made for the bar hears of
// editing, text changes and Cancel after the delegate.
class SearchBar : public View {
public:
    static constexpr double kHeight = 44.0;
    static constexpr const char* kCancelTitle = "Cancel";

    using View::View;

    std::string text() const override { return m_text; }
    // From code: the delegate is not told.
    void setText(std::string text);
    const std::string& placeholder() const { return m_placeholder; }
    void setPlaceholder(std::string placeholder) { m_placeholder = std::move(placeholder); }
    bool showsCancelButton() const { return m_showsCancelButton; }
    void setShowsCancelButton(bool shows, bool animated = false);
    const gfx::Color& tintColor() const { return m_tintColor; }
    void setTintColor(const gfx::Color& color) { m_tintColor = color; }
    // Drawn stretched over the whole bar in place of the tint.
    const std::shared_ptr<Image>& backgroundImage() const { return m_backgroundImage; }
    void setBackgroundImage(std::shared_ptr<Image> image) { m_backgroundImage = std::move(image); }
    // Set by SearchDisplayController; not retained.
    void setDisplayController(std::weak_ptr<SearchDisplayController> controller) {
        m_displayController = std::move(controller);
    }
    BarStyle barStyle() const { return m_barStyle; }
    void setBarStyle(BarStyle style) { m_barStyle = style; }
    ReturnKeyType returnKeyType() const { return m_returnKeyType; }
    void setReturnKeyType(ReturnKeyType type) { m_returnKeyType = type; }
    std::shared_ptr<SearchBarDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<SearchBarDelegate> delegate) { m_delegate = std::move(delegate); }
    bool isEditing() const { return isFirstResponder(); }

    bool canBecomeFirstResponder() const override { return true; }
    bool becomeFirstResponder() override;

    // The user types (editing begins if needed): the text grows and the delegate hears of the change.
    void typeText(const std::string& characters);
    void pressSearch();
    // The backspace key: removes the last character; the delegate hears of the change.
    void deleteBackward();
    // Only while the cancel button shows.
    void pressCancel();

    // Where the cancel button is drawn, in the bar's bounds; an empty rect while it is hidden.
    Rect cancelButtonFrame() const;
    // What a finger at the point (in the bar's bounds) touches: kCancelTitle on the cancel button or the bar's
    // margin around it, otherwise the field's text, or its placeholder while the text is empty.
    std::string textAt(Point point) const;

    // A tap on the field (its text or placeholder; an empty text on an empty field) starts editing; on "Cancel"
    // presses cancel.
    bool tapText(const std::string& text) override;
    bool offersTap(const std::string& text) const override;
    bool respondsToTaps() const override { return true; }
    void draw(gfx::BitmapContext& context) const override;

protected:
    bool shouldResignFirstResponder() override;
    void didResignFirstResponder() override;

private:
    void textDidChange();

    std::string m_text;
    std::string m_placeholder;
    bool m_showsCancelButton = false;
    gfx::Color m_tintColor = gfx::Color::rgba(0.43, 0.52, 0.63);
    BarStyle m_barStyle = BarStyle::Default;
    ReturnKeyType m_returnKeyType = ReturnKeyType::Search;
    std::weak_ptr<SearchBarDelegate> m_delegate;
    std::shared_ptr<Image> m_backgroundImage;
    std::weak_ptr<SearchDisplayController> m_displayController;
};

}  // namespace platform::ui
