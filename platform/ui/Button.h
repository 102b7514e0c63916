#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

namespace platform::ui {

enum class ButtonType { Custom = 0, RoundedRect, DetailDisclosure, InfoLight, InfoDark, ContactAdd };

// A push button with a title, a foreground image and a background image per control state; a state
// without its own value shows the normal state's.
class Button : public Control {
public:
    explicit Button(ButtonType type = ButtonType::Custom, const Rect& frame = Rect());

    ButtonType buttonType() const { return m_type; }

    void setTitle(std::string title, unsigned state = kControlStateNormal);
    std::string titleForState(unsigned state) const;
    void setTitleColor(const gfx::Color& color, unsigned state = kControlStateNormal);
    gfx::Color titleColorForState(unsigned state) const;
    void setImage(std::shared_ptr<Image> image, unsigned state = kControlStateNormal);
    std::shared_ptr<Image> imageForState(unsigned state) const;
    void setBackgroundImage(std::shared_ptr<Image> image, unsigned state = kControlStateNormal);
    std::shared_ptr<Image> backgroundImageForState(unsigned state) const;
    // Whether the state has a value of its own (no fallback to normal).
    bool hasOwnImage(unsigned state) const { return m_images.contains(state); }
    bool hasOwnBackgroundImage(unsigned state) const { return m_backgroundImages.contains(state); }

    std::string currentTitle() const { return titleForState(state()); }
    std::shared_ptr<Image> currentImage() const { return imageForState(state()); }
    std::shared_ptr<Image> currentBackgroundImage() const { return backgroundImageForState(state()); }
    // The label whose font and alignment the title is drawn with. Text set on it directly shows (and is tapped)
    // while the current state has no title of its own.
    const std::shared_ptr<Label>& titleLabel() const { return m_titleLabel; }
    // The title shown: the current state's, else the title label's own text.
    std::string shownTitle() const;

    // The shown title; for a button without one, the name of the image it shows.
    std::string text() const override;
    void draw(gfx::BitmapContext& context) const override;

private:
    template <typename T>
    static T lookup(const std::map<unsigned, T>& values, unsigned state, T fallback);

    ButtonType m_type;
    std::map<unsigned, std::string> m_titles;
    std::map<unsigned, gfx::Color> m_titleColors;
    std::map<unsigned, std::shared_ptr<Image>> m_images;
    std::map<unsigned, std::shared_ptr<Image>> m_backgroundImages;
    std::shared_ptr<Label> m_titleLabel = std::make_shared<Label>();
};

}  // namespace platform::ui
