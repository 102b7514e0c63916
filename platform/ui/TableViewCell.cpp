#include "platform/ui/TableViewCell.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

namespace {

constexpr double kMargin = 10.0;
constexpr gfx::Color kSelectedBlue = gfx::Color::rgba(0.02, 0.45, 0.92);
constexpr gfx::Color kDetailBlue = gfx::Color::rgba(0.22, 0.33, 0.53);

}  // namespace

TableViewCell::TableViewCell(TableViewCellStyle style, std::string reuseIdentifier)
    : View(Rect(0.0, 0.0, 320.0, 44.0)), m_style(style), m_reuseIdentifier(std::move(reuseIdentifier)),
      m_contentView(std::make_shared<View>(Rect(0.0, 0.0, 320.0, 44.0))), m_textLabel(std::make_shared<Label>()),
      m_imageView(std::make_shared<ImageView>()) {
    setBackgroundColor(gfx::Color::white());
    addSubview(m_contentView);
    m_contentView->addSubview(m_imageView);
    m_contentView->addSubview(m_textLabel);
    m_textLabel->setFont(gfx::Font::boldSystemFont(style == TableViewCellStyle::Subtitle ? 18.0 : 17.0));
    if (style != TableViewCellStyle::Default) {
        m_detailTextLabel = std::make_shared<Label>();
        m_detailTextLabel->setFont(gfx::Font::systemFont(style == TableViewCellStyle::Subtitle ? 14.0 : 17.0));
        m_detailTextLabel->setTextColor(style == TableViewCellStyle::Subtitle ? gfx::Color::gray() : kDetailBlue);
        if (style == TableViewCellStyle::Value1) {
            m_detailTextLabel->setTextAlignment(gfx::TextAlignment::Right);
        }
        m_contentView->addSubview(m_detailTextLabel);
    }
    setNeedsLayout();
}

void TableViewCell::setAccessoryType(TableViewCellAccessoryType type) {
    m_accessoryType = type;
    setNeedsLayout();
    setNeedsDisplay();
}

void TableViewCell::setAccessoryView(std::shared_ptr<View> view) {
    if (m_accessoryView) {
        m_accessoryView->removeFromSuperview();
    }
    m_accessoryView = std::move(view);
    if (m_accessoryView) {
        addSubview(m_accessoryView);
    }
    setNeedsLayout();
}

void TableViewCell::setSelected(bool selected, bool) {
    m_selected = selected;
    setNeedsDisplay();
}

bool TableViewCell::showsText(const std::string& text) const {
    std::vector<const View*> pending{this};
    while (!pending.empty()) {
        const View* view = pending.back();
        pending.pop_back();
        if (view->isHidden()) {
            continue;
        }
        if (view->text() == text) {
            return true;
        }
        for (const auto& subview : view->subviews()) {
            pending.push_back(subview.get());
        }
    }
    return false;
}

void TableViewCell::layoutSubviews() {
    const Rect area = bounds();
    double accessory = 0.0;
    if (m_accessoryView) {
        const Rect frame = m_accessoryView->frame();
        accessory = frame.width() + kMargin;
        m_accessoryView->setFrame(Rect(area.width() - accessory, area.midY() - frame.height() / 2.0, frame.width(),
                                       frame.height()));
    } else if (m_accessoryType != TableViewCellAccessoryType::None) {
        accessory = kAccessoryWidth + kMargin;
    }
    m_contentView->setFrame(Rect(0.0, 0.0, area.width() - accessory, area.height()));
    const Rect content = m_contentView->bounds();
    double left = kMargin;
    if (m_imageView->image()) {
        const Size size = m_imageView->image()->size();
        m_imageView->setFrame(Rect(left, content.midY() - size.height / 2.0, size.width, size.height));
        left += size.width + kMargin;
    } else {
        m_imageView->setFrame(Rect());
    }
    const double width = std::max(0.0, content.width() - left - kMargin);
    switch (m_style) {
    case TableViewCellStyle::Default:
        m_textLabel->setFrame(Rect(left, 0.0, width, content.height()));
        break;
    case TableViewCellStyle::Subtitle: {
        const double line = content.height() / 2.0;
        m_textLabel->setFrame(Rect(left, 2.0, width, line - 2.0));
        m_detailTextLabel->setFrame(Rect(left, line, width, line - 4.0));
        break;
    }
    case TableViewCellStyle::Value1:
        m_textLabel->setFrame(Rect(left, 0.0, width / 2.0, content.height()));
        m_detailTextLabel->setFrame(Rect(left + width / 2.0, 0.0, width / 2.0, content.height()));
        break;
    case TableViewCellStyle::Value2:
        m_detailTextLabel->setFrame(Rect(left + width / 3.0, 0.0, width * 2.0 / 3.0, content.height()));
        m_textLabel->setFrame(Rect(left, 0.0, width / 3.0 - 4.0, content.height()));
        break;
    }
}

void TableViewCell::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    if (m_selected && m_selectionStyle != TableViewCellSelectionStyle::None) {
        context.fillRect(area, m_selectionStyle == TableViewCellSelectionStyle::Blue ? kSelectedBlue
                                                                                      : gfx::Color::lightGray());
    }
    context.strokeLine(Point{0.0, area.maxY() - 0.5}, Point{area.width(), area.maxY() - 0.5}, gfx::Color::lightGray());
    if (m_accessoryView) {
        return;
    }
    const Rect accessory(area.width() - kAccessoryWidth - kMargin, area.midY() - kAccessoryWidth / 2.0,
                         kAccessoryWidth, kAccessoryWidth);
    switch (m_accessoryType) {
    case TableViewCellAccessoryType::DisclosureIndicator:
        context.strokeLine(Point{accessory.midX() - 3.0, accessory.y() + 5.0}, Point{accessory.midX() + 3.0, accessory.midY()},
                           gfx::Color::gray(), 2.0);
        context.strokeLine(Point{accessory.midX() + 3.0, accessory.midY()}, Point{accessory.midX() - 3.0, accessory.maxY() - 5.0},
                           gfx::Color::gray(), 2.0);
        break;
    case TableViewCellAccessoryType::DetailDisclosureButton:
        context.fillEllipse(accessory, kSelectedBlue);
        context.drawText(">", accessory, gfx::Font::boldSystemFont(14.0), gfx::Color::white(),
                         gfx::TextAlignment::Center);
        break;
    case TableViewCellAccessoryType::Checkmark:
        context.strokeLine(Point{accessory.x() + 3.0, accessory.midY()}, Point{accessory.midX() - 1.0, accessory.maxY() - 4.0},
                           kDetailBlue, 2.5);
        context.strokeLine(Point{accessory.midX() - 1.0, accessory.maxY() - 4.0}, Point{accessory.maxX() - 2.0, accessory.y() + 3.0},
                           kDetailBlue, 2.5);
        break;
    case TableViewCellAccessoryType::None:
        break;
    }
}

}  // namespace platform::ui
