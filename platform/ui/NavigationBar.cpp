#include "platform/ui/NavigationBar.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/BarDrawing.h"

namespace platform::ui {

namespace {

constexpr double kMargin = 5.0;

// Fonts are made where they are used: a Font constant would run its destructor at exit.
gfx::Font titleFont() { return gfx::Font::boldSystemFont(20.0); }
gfx::Font longTitleFont() { return gfx::Font::boldSystemFont(15.0); }

}  // namespace

void NavigationBar::setItems(std::vector<std::shared_ptr<NavigationItem>> items) {
    std::erase(items, nullptr);
    m_items = std::move(items);
    showTitleView();
}

void NavigationBar::pushNavigationItem(std::shared_ptr<NavigationItem> item) {
    if (item) {
        m_items.push_back(std::move(item));
        showTitleView();
    }
}

std::shared_ptr<NavigationItem> NavigationBar::popNavigationItem() {
    if (m_items.empty()) {
        return nullptr;
    }
    auto item = m_items.back();
    m_items.pop_back();
    showTitleView();
    return item;
}

std::shared_ptr<NavigationItem> NavigationBar::backItem() const {
    return m_items.size() < 2 ? nullptr : m_items[m_items.size() - 2];
}

std::string NavigationBar::backButtonTitle() const {
    auto top = topItem();
    auto back = backItem();
    if (!top || !back || top->hidesBackButton() || top->leftBarButtonItem()) {
        return {};
    }
    if (back->backBarButtonItem() && !back->backBarButtonItem()->title().empty()) {
        return back->backBarButtonItem()->title();
    }
    return back->title().empty() ? "Back" : back->title();
}

bool NavigationBar::tapBackButton() {
    if (backButtonTitle().empty() || !m_backAction) {
        return false;
    }
    m_backAction();
    return true;
}

Rect NavigationBar::leftFrame() const {
    auto top = topItem();
    double width = 0.0;
    if (top && top->leftBarButtonItem()) {
        width = BarDrawing::itemWidth(*top->leftBarButtonItem());
    } else if (const std::string back = backButtonTitle(); !back.empty()) {
        width = BarDrawing::itemWidth(BarButtonItem(back, BarButtonItemStyle::Bordered));
    }
    return Rect(kMargin, 7.0, width, bounds().height() - 14.0);
}

Rect NavigationBar::rightFrame() const {
    auto top = topItem();
    const double width = top && top->rightBarButtonItem() ? BarDrawing::itemWidth(*top->rightBarButtonItem()) : 0.0;
    return Rect(bounds().width() - kMargin - width, 7.0, width, bounds().height() - 14.0);
}

std::string NavigationBar::text() const {
    auto top = topItem();
    return top ? top->title() : "";
}

bool NavigationBar::offersTap(const std::string& text) const {
    const auto top = topItem();
    if (text.empty() || !top) {
        return false;
    }
    const auto titled = [&text](const std::shared_ptr<BarButtonItem>& item) { return item && item->title() == text; };
    return titled(top->leftBarButtonItem()) || titled(top->rightBarButtonItem()) || backButtonTitle() == text ||
           View::offersTap(text);
}

bool NavigationBar::tapText(const std::string& text) {
    auto top = topItem();
    if (text.empty() || !top) {
        return false;
    }
    if (top->leftBarButtonItem() && top->leftBarButtonItem()->title() == text) {
        return top->leftBarButtonItem()->tap();
    }
    if (top->rightBarButtonItem() && top->rightBarButtonItem()->title() == text) {
        return top->rightBarButtonItem()->tap();
    }
    return backButtonTitle() == text && tapBackButton();
}

void NavigationBar::showTitleView() {
    if (m_shownTitleView) {
        m_shownTitleView->removeFromSuperview();
        m_shownTitleView.reset();
    }
    auto top = topItem();
    if (top && top->titleView()) {
        m_shownTitleView = top->titleView();
        addSubview(m_shownTitleView);
    }
    layoutSubviews();
    setNeedsDisplay();
}

void NavigationBar::layoutSubviews() {
    if (m_shownTitleView) {
        const Rect frame = m_shownTitleView->frame();
        m_shownTitleView->setFrame(Rect(bounds().midX() - frame.width() / 2.0, bounds().midY() - frame.height() / 2.0,
                                        frame.width(), frame.height()));
    }
}

Rect NavigationBar::titleArea() const {
    // Centred on the bar when it fits between the items there, else centred in all the room between them.
    const Rect left = leftFrame();
    const Rect right = rightFrame();
    const double side = std::max(left.maxX(), bounds().width() - right.x()) + kMargin;
    const Rect centred(side, 0.0, bounds().width() - 2.0 * side, bounds().height());
    const auto top = topItem();
    if (!top || titleFont().sizeOfText(top->title()).width <= centred.width()) {
        return centred;
    }
    const double start = left.maxX() + kMargin;
    return Rect(start, 0.0, right.x() - kMargin - start, bounds().height());
}

std::vector<std::string> NavigationBar::titleLines() const {
    const auto top = topItem();
    if (!top || top->title().empty()) {
        return {};
    }
    const Rect area = titleArea();
    if (titleFont().sizeOfText(top->title()).width <= area.width()) {
        return {top->title()};
    }
    return longTitleFont().wrap(top->title(), area.width(), 2);
}

void NavigationBar::draw(gfx::BitmapContext& context) const {
    context.fillRect(bounds(), BarDrawing::barColor(m_tintColor, m_barStyle != BarStyle::Default));
    auto top = topItem();
    if (!top) {
        return;
    }
    const Rect left = leftFrame();
    const Rect right = rightFrame();
    if (top->leftBarButtonItem()) {
        BarDrawing::drawItem(context, *top->leftBarButtonItem(), left);
    } else if (const std::string back = backButtonTitle(); !back.empty()) {
        BarDrawing::drawButton(context, back, left);
    }
    if (top->rightBarButtonItem()) {
        BarDrawing::drawItem(context, *top->rightBarButtonItem(), right);
    }
    if (!m_shownTitleView) {
        const Rect area = titleArea();
        const bool fits = titleFont().sizeOfText(top->title()).width <= area.width();
        context.drawText(top->title(), area, fits ? titleFont() : longTitleFont(), gfx::Color::white(),
                         gfx::TextAlignment::Center, fits ? 1 : 2);
    }
}

}  // namespace platform::ui
