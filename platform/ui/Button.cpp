#include "platform/ui/Button.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

namespace {

constexpr gfx::Color kRoundedRectTitleColor = gfx::Color::rgba(0.2, 0.3, 0.5);

const char* glyphFor(ButtonType type) {
    switch (type) {
        case ButtonType::DetailDisclosure: return ">";
        case ButtonType::InfoLight:
        case ButtonType::InfoDark: return "i";
        case ButtonType::ContactAdd: return "+";
        default: return "";
    }
}

}  // namespace

Button::Button(ButtonType type, const Rect& frame) : Control(frame), m_type(type) {
    m_titleLabel->setFont(gfx::Font::boldSystemFont(15.0));
    m_titleLabel->setTextAlignment(gfx::TextAlignment::Center);
    if (type == ButtonType::RoundedRect) {
        m_titleColors[kControlStateNormal] = kRoundedRectTitleColor;
    } else {
        m_titleColors[kControlStateNormal] = gfx::Color::white();
    }
}

template <typename T>
T Button::lookup(const std::map<unsigned, T>& values, unsigned state, T fallback) {
    if (auto found = values.find(state); found != values.end()) {
        return found->second;
    }
    if (auto normal = values.find(kControlStateNormal); normal != values.end()) {
        return normal->second;
    }
    return fallback;
}

void Button::setTitle(std::string title, unsigned state) {
    m_titles[state] = std::move(title);
    setNeedsDisplay();
}

std::string Button::titleForState(unsigned state) const { return lookup(m_titles, state, std::string()); }

void Button::setTitleColor(const gfx::Color& color, unsigned state) {
    m_titleColors[state] = color;
    setNeedsDisplay();
}

gfx::Color Button::titleColorForState(unsigned state) const {
    return lookup(m_titleColors, state, gfx::Color::white());
}

void Button::setImage(std::shared_ptr<Image> image, unsigned state) {
    m_images[state] = std::move(image);
    setNeedsDisplay();
}

std::shared_ptr<Image> Button::imageForState(unsigned state) const {
    return lookup(m_images, state, std::shared_ptr<Image>());
}

void Button::setBackgroundImage(std::shared_ptr<Image> image, unsigned state) {
    m_backgroundImages[state] = std::move(image);
    setNeedsDisplay();
}

std::shared_ptr<Image> Button::backgroundImageForState(unsigned state) const {
    return lookup(m_backgroundImages, state, std::shared_ptr<Image>());
}

std::string Button::shownTitle() const {
    std::string title = currentTitle();
    return title.empty() ? m_titleLabel->text() : title;
}

std::string Button::text() const {
    std::string title = shownTitle();
    if (!title.empty()) {
        return title;
    }
    if (auto image = currentImage()) {
        return image->name();
    }
    auto background = currentBackgroundImage();
    return background ? background->name() : std::string();
}

void Button::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    if (auto background = currentBackgroundImage()) {
        background->drawInRect(context, area);
    } else if (m_type == ButtonType::RoundedRect) {
        context.fillRect(area, gfx::Color::white());
        context.strokeRect(area, gfx::Color::gray());
    }
    if (auto image = currentImage()) {
        const Size size = image->size();
        image->drawInRect(
            context, Rect(area.midX() - size.width / 2.0, area.midY() - size.height / 2.0, size.width, size.height));
    }
    const std::string glyph = glyphFor(m_type);
    if (!glyph.empty()) {
        context.strokeRect(area, titleColorForState(state()));
        context.drawText(glyph, area, m_titleLabel->font(), titleColorForState(state()), gfx::TextAlignment::Center);
    }
    const std::string title = shownTitle();
    if (!title.empty()) {
        // The title label is as wide as its text and centred in the button, so the label's own alignment does
        // not move a title.
        const double alpha = isEnabled() ? 1.0 : 0.5;
        context.drawText(title, area, m_titleLabel->font(), titleColorForState(state()).withAlpha(alpha),
                         gfx::TextAlignment::Center);
    }
}

}  // namespace platform::ui
