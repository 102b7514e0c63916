#include "platform/map/CalloutView.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/Label.h"

namespace platform::map {
namespace {

constexpr double kPadding = 8.0;
constexpr double kMaxTextWidth = 220.0;

std::shared_ptr<ui::Label> makeLabel(const std::string& text, const gfx::Font& font) {
    auto label = std::make_shared<ui::Label>();
    label->setText(text);
    label->setFont(font);
    label->setTextColor(gfx::Color::white());
    const ui::Size size = label->sizeThatFits(ui::Size{kMaxTextWidth, 100.0});
    label->setFrame(ui::Rect{kPadding, 0, std::min(size.width, kMaxTextWidth), size.height});
    return label;
}

}  // namespace

CalloutView::CalloutView(const std::string& title, const std::string& subtitle) {
    auto titleLabel = makeLabel(title, gfx::Font::boldSystemFont(15.0));
    double width = titleLabel->frame().width();
    double height = kPadding / 2.0 + titleLabel->frame().height();
    titleLabel->setFrame(titleLabel->frame().offsetBy(0, kPadding / 2.0));
    addSubview(titleLabel);
    if (!subtitle.empty()) {
        auto subtitleLabel = makeLabel(subtitle, gfx::Font::systemFont(12.0));
        subtitleLabel->setFrame(subtitleLabel->frame().offsetBy(0, height));
        width = std::max(width, subtitleLabel->frame().width());
        height += subtitleLabel->frame().height();
        addSubview(subtitleLabel);
    }
    setFrame(ui::Rect{0, 0, width + 2.0 * kPadding, height + kPadding / 2.0});
}

void CalloutView::draw(gfx::BitmapContext& context) const {
    context.fillRect(bounds(), gfx::Color::white(0.1, 0.85));
    context.strokeRect(bounds(), gfx::Color::white(1.0, 0.7));
}

}  // namespace platform::map
