#include "platform/ui/TableViewCellControls.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

namespace {

constexpr double kDiameter = 22.0;
constexpr gfx::Color kDeleteRed = gfx::Color::rgba(0.85, 0.1, 0.1);
constexpr gfx::Color kInsertGreen = gfx::Color::rgba(0.2, 0.7, 0.25);
constexpr gfx::Color kDisclosureBlue = gfx::Color::rgba(0.02, 0.45, 0.92);

}  // namespace

std::vector<std::string> TableViewCellEditControl::dumpState() const {
    auto state = View::dumpState();
    state.emplace_back(m_style == TableViewCellEditingStyle::Insert ? "insert" : "delete");
    return state;
}

void TableViewCellEditControl::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    const Rect circle(area.midX() - kDiameter / 2.0, area.midY() - kDiameter / 2.0, kDiameter, kDiameter);
    const bool insert = m_style == TableViewCellEditingStyle::Insert;
    context.fillEllipse(circle, insert ? kInsertGreen : kDeleteRed);
    const double arm = kDiameter / 2.0 - 5.0;
    context.strokeLine(Point{circle.midX() - arm, circle.midY()}, Point{circle.midX() + arm, circle.midY()},
                       gfx::Color::white(), 3.0);
    if (insert) {
        context.strokeLine(Point{circle.midX(), circle.midY() - arm}, Point{circle.midX(), circle.midY() + arm},
                           gfx::Color::white(), 3.0);
    }
}

void TableViewCellReorderControl::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    for (const double offset : {-5.0, 0.0, 5.0}) {
        const double y = area.midY() + offset;
        context.strokeLine(Point{area.midX() - 9.0, y}, Point{area.midX() + 9.0, y}, gfx::Color::gray(), 2.0);
    }
}

void TableViewCellDisclosureButton::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    context.fillEllipse(area, kDisclosureBlue);
    context.drawText(">", area, gfx::Font::boldSystemFont(14.0), gfx::Color::white(), gfx::TextAlignment::Center);
}

}  // namespace platform::ui
