#include "app/shell/weather/PanelLayout.h"

namespace qov {

std::shared_ptr<platform::ui::Label> PanelLayout::value(platform::ui::InterfaceContext& file,
                                                        const platform::ui::Rect& frame, double size, bool bold,
                                                        platform::gfx::TextAlignment alignment) {
    auto label = file.make<platform::ui::Label>(frame);
    label->setFont(platform::gfx::Font::condensedSystemFont(size, bold));
    label->setTextColor(platform::gfx::Color::white());
    label->setTextAlignment(alignment);
    return label;
}

std::shared_ptr<platform::ui::Label> PanelLayout::caption(platform::ui::InterfaceContext& file,
                                                          const platform::ui::Rect& frame, const std::string& text,
                                                          double size, platform::gfx::TextAlignment alignment) {
    auto label = value(file, frame, size, false, alignment);
    label->setTextColor(captionColor());
    label->setText(text);
    return label;
}

std::shared_ptr<platform::ui::Label> PanelLayout::detail(platform::ui::InterfaceContext& file, platform::ui::View& grid,
                                                         int column, int row, const std::string& caption) {
    constexpr double kColumnWidth = 146.0;
    const double x = column == 0 ? 12.0 : 166.0;
    const double y = row * kDetailRowHeight;
    grid.addSubview(PanelLayout::caption(file, platform::ui::Rect(x, y, kColumnWidth, 13), caption, 11.0));
    auto label = value(file, platform::ui::Rect(x, y + 13, kColumnWidth, 18), 15.0, true);
    grid.addSubview(label);
    return label;
}

void PanelLayout::addAll(platform::ui::View& parent, std::initializer_list<std::shared_ptr<platform::ui::View>> views) {
    for (const auto& view : views) {
        parent.addSubview(view);
    }
}

}  // namespace qov
