#include "platform/ui/Toolbar.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/BarDrawing.h"

namespace platform::ui {

namespace {

constexpr double kMargin = 6.0;

}  // namespace

void Toolbar::setItems(std::vector<std::shared_ptr<BarButtonItem>> items, bool) {
    for (const auto& item : m_items) {
        if (item && item->customView() && item->customView()->superview().get() == this) {
            item->customView()->removeFromSuperview();
        }
    }
    std::erase(items, nullptr);
    m_items = std::move(items);
    for (const auto& item : m_items) {
        if (item->customView()) {
            addSubview(item->customView());
        }
    }
    layoutSubviews();
    setNeedsDisplay();
}

std::vector<Rect> Toolbar::itemFrames() const {
    double fixed = kMargin;
    int flexible = 0;
    std::vector<double> widths;
    for (const auto& item : m_items) {
        double width = 0.0;
        if (item->systemItem() == BarButtonSystemItem::FlexibleSpace) {
            ++flexible;
        } else if (item->customView()) {
            width = item->customView()->frame().width();
        } else if (item->systemItem() == BarButtonSystemItem::FixedSpace) {
            width = item->width();
        } else {
            width = BarDrawing::itemWidth(*item);
        }
        widths.push_back(width);
        fixed += width + kMargin;
    }
    const double share = flexible > 0 ? std::max(0.0, bounds().width() - fixed) / flexible : 0.0;
    std::vector<Rect> frames;
    double x = kMargin;
    const double height = bounds().height() - 14.0;
    for (std::size_t index = 0; index < m_items.size(); ++index) {
        const bool isFlexible = m_items[index]->systemItem() == BarButtonSystemItem::FlexibleSpace;
        const double width = isFlexible ? share : widths[index];
        frames.emplace_back(x, 7.0, width, height);
        x += width + kMargin;
    }
    return frames;
}

std::string Toolbar::text() const {
    std::string result;
    for (const auto& item : m_items) {
        const std::string title = item->title();
        if (!title.empty()) {
            result += result.empty() ? title : " | " + title;
        }
    }
    return result;
}

bool Toolbar::offersTap(const std::string& text) const {
    return !text.empty() &&
           std::any_of(m_items.begin(), m_items.end(), [&text](const auto& item) { return item->title() == text; });
}

bool Toolbar::tapText(const std::string& text) {
    for (const auto& item : std::vector(m_items)) {
        if (!text.empty() && item->title() == text) {
            return item->tap();
        }
    }
    return false;
}

void Toolbar::layoutSubviews() {
    const std::vector<Rect> frames = itemFrames();
    for (std::size_t index = 0; index < m_items.size(); ++index) {
        if (const auto& view = m_items[index]->customView()) {
            const Rect frame = view->frame();
            view->setFrame(
                Rect(frames[index].x(), bounds().midY() - frame.height() / 2.0, frame.width(), frame.height()));
        }
    }
}

void Toolbar::draw(gfx::BitmapContext& context) const {
    context.fillRect(bounds(), BarDrawing::barColor(m_tintColor, m_barStyle != BarStyle::Default));
    const std::vector<Rect> frames = itemFrames();
    for (std::size_t index = 0; index < m_items.size(); ++index) {
        BarDrawing::drawItem(context, *m_items[index], frames[index]);
    }
}

}  // namespace platform::ui
