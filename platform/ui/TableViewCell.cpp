#include "platform/ui/TableViewCell.h"

#include <algorithm>

#include "platform/base/Callback.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/ui/TableView.h"

namespace platform::ui {

namespace {

constexpr double kMargin = 10.0;
constexpr gfx::Color kSelectedBlue = gfx::Color::rgba(0.02, 0.45, 0.92);
constexpr gfx::Color kDetailBlue = gfx::Color::rgba(0.22, 0.33, 0.53);
constexpr gfx::Color kDeleteRed = gfx::Color::rgba(0.85, 0.1, 0.1);
constexpr double kConfirmationWidth = 64.0;
constexpr double kConfirmationHeight = 30.0;

}  // namespace

TableViewCell::TableViewCell(TableViewCellStyle style, std::string reuseIdentifier)
    : View(Rect(0.0, 0.0, 320.0, 44.0)),
      m_style(style),
      m_reuseIdentifier(std::move(reuseIdentifier)),
      m_contentView(std::make_shared<View>(Rect(0.0, 0.0, 320.0, 44.0))),
      m_textLabel(std::make_shared<Label>()),
      m_imageView(std::make_shared<ImageView>()),
      m_editControl(std::make_shared<TableViewCellEditControl>()),
      m_reorderControl(std::make_shared<TableViewCellReorderControl>()),
      m_disclosureButton(std::make_shared<TableViewCellDisclosureButton>()),
      m_deleteConfirmation(std::make_shared<Button>(ButtonType::Custom)) {
    setBackgroundColor(gfx::Color::white());
    addSubview(m_contentView);
    m_deleteConfirmation->setTitle(kDeleteConfirmationTitle);
    m_deleteConfirmation->setTitleColor(gfx::Color::white());
    m_deleteConfirmation->titleLabel()->setFont(gfx::Font::boldSystemFont(14.0));
    m_deleteConfirmation->setBackgroundColor(kDeleteRed);
    m_deleteConfirmation->layer().cornerRadius = 6.0;
    for (const auto& control : std::initializer_list<std::shared_ptr<View>>{m_editControl, m_reorderControl,
                                                                            m_disclosureButton, m_deleteConfirmation}) {
        control->setHidden(true);
        addSubview(control);
    }
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

void TableViewCell::setEditingState(const EditingState& state) {
    if (state == m_editingState) {
        return;
    }
    m_editingState = state;
    if (!state.editing || state.style != TableViewCellEditingStyle::Delete) {
        m_showsDeleteConfirmation = false;
    }
    setNeedsLayout();
    setNeedsDisplay();
}

void TableViewCell::setShowsDeleteConfirmation(bool shows) {
    shows = shows && m_editingState.editing && m_editingState.style == TableViewCellEditingStyle::Delete;
    if (shows && !m_showsDeleteConfirmation) {
        m_deleteConfirmation->removeActions();
        m_deleteConfirmation->addAction(kControlEventTouchUpInside,
                                        bindWeak(std::static_pointer_cast<TableViewCell>(shared_from_this()),
                                                 [](TableViewCell& cell, Control&) { cell.confirmDeletion(); }));
    }
    m_showsDeleteConfirmation = shows;
    setNeedsLayout();
}

void TableViewCell::confirmDeletion() {
    const auto table = std::dynamic_pointer_cast<TableView>(superview());
    const auto indexPath = table ? table->indexPathForCell(*this) : std::nullopt;
    m_showsDeleteConfirmation = false;
    setNeedsLayout();
    if (indexPath) {
        table->deleteRow(*indexPath);
    }
}

void TableViewCell::setSeparatorColor(const gfx::Color& color) {
    m_separatorColor = color;
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
    const bool editing = m_editingState.editing;
    const bool hasEditControl = editing && m_editingState.style != TableViewCellEditingStyle::None;
    const double indentation = editing && m_editingState.indents ? kEditingIndentation : 0.0;
    m_editControl->setHidden(!hasEditControl);
    m_editControl->setEditingStyle(m_editingState.style);
    m_editControl->setFrame(Rect(0.0, 0.0, kEditingIndentation, area.height()));
    m_reorderControl->setHidden(!(editing && m_editingState.movable) || m_showsDeleteConfirmation);
    m_reorderControl->setFrame(Rect(area.width() - kReorderControlWidth, 0.0, kReorderControlWidth, area.height()));
    m_deleteConfirmation->setHidden(!m_showsDeleteConfirmation);
    m_deleteConfirmation->setFrame(Rect(area.width() - kConfirmationWidth - kMargin,
                                        area.midY() - kConfirmationHeight / 2.0, kConfirmationWidth,
                                        kConfirmationHeight));
    m_disclosureButton->setHidden(editing || m_accessoryView ||
                                  m_accessoryType != TableViewCellAccessoryType::DetailDisclosureButton);
    m_disclosureButton->setFrame(Rect(area.width() - kAccessoryWidth - kMargin, area.midY() - kAccessoryWidth / 2.0,
                                      kAccessoryWidth, kAccessoryWidth));
    double accessory = 0.0;
    if (m_accessoryView) {
        m_accessoryView->setHidden(editing);
    }
    if (editing) {
        accessory = m_showsDeleteConfirmation ? kConfirmationWidth + 2.0 * kMargin
                    : m_editingState.movable  ? kReorderControlWidth
                                              : 0.0;
    } else if (m_accessoryView) {
        const Rect frame = m_accessoryView->frame();
        accessory = frame.width() + kMargin;
        m_accessoryView->setFrame(
            Rect(area.width() - accessory, area.midY() - frame.height() / 2.0, frame.width(), frame.height()));
    } else if (m_accessoryType != TableViewCellAccessoryType::None) {
        accessory = kAccessoryWidth + kMargin;
    }
    m_contentView->setFrame(
        Rect(indentation, 0.0, std::max(0.0, area.width() - accessory - indentation), area.height()));
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
        case TableViewCellStyle::Default: m_textLabel->setFrame(Rect(left, 0.0, width, content.height())); break;
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
        context.fillRect(
            area, m_selectionStyle == TableViewCellSelectionStyle::Blue ? kSelectedBlue : gfx::Color::lightGray());
    }
    context.strokeLine(Point{0.0, area.maxY() - 0.5}, Point{area.width(), area.maxY() - 0.5}, m_separatorColor);
    if (m_accessoryView || m_editingState.editing) {
        return;
    }
    const Rect accessory(area.width() - kAccessoryWidth - kMargin, area.midY() - kAccessoryWidth / 2.0, kAccessoryWidth,
                         kAccessoryWidth);
    switch (m_accessoryType) {
        case TableViewCellAccessoryType::DisclosureIndicator:
            context.strokeLine(Point{accessory.midX() - 3.0, accessory.y() + 5.0},
                               Point{accessory.midX() + 3.0, accessory.midY()}, gfx::Color::gray(), 2.0);
            context.strokeLine(Point{accessory.midX() + 3.0, accessory.midY()},
                               Point{accessory.midX() - 3.0, accessory.maxY() - 5.0}, gfx::Color::gray(), 2.0);
            break;
        case TableViewCellAccessoryType::Checkmark:
            context.strokeLine(Point{accessory.x() + 3.0, accessory.midY()},
                               Point{accessory.midX() - 1.0, accessory.maxY() - 4.0}, kDetailBlue, 2.5);
            context.strokeLine(Point{accessory.midX() - 1.0, accessory.maxY() - 4.0},
                               Point{accessory.maxX() - 2.0, accessory.y() + 3.0}, kDetailBlue, 2.5);
            break;
        case TableViewCellAccessoryType::DetailDisclosureButton:  // the disclosure button subview draws it
        case TableViewCellAccessoryType::None: break;
    }
}

}  // namespace platform::ui
