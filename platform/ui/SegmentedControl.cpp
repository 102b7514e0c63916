#include "platform/ui/SegmentedControl.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

namespace {

// Fonts are made where they are used: a Font constant would run its destructor at exit.
gfx::Font segmentFont() { return gfx::Font::boldSystemFont(13.0); }

}  // namespace

SegmentedControl::SegmentedControl(const std::vector<std::string>& titles) {
    for (const std::string& title : titles) {
        insert(Segment{title, nullptr}, numberOfSegments());
    }
}

void SegmentedControl::insert(Segment segment, int index) {
    const int position = std::clamp(index, 0, numberOfSegments());
    m_segments.insert(m_segments.begin() + position, std::move(segment));
    setNeedsDisplay();
}

void SegmentedControl::insertSegmentWithTitle(std::string title, int index, bool) {
    insert(Segment{std::move(title), nullptr}, index);
}

void SegmentedControl::insertSegmentWithImage(std::shared_ptr<Image> image, int index, bool) {
    insert(Segment{{}, std::move(image)}, index);
}

void SegmentedControl::removeSegmentAtIndex(int index, bool) {
    if (index < 0 || index >= numberOfSegments()) {
        return;
    }
    m_segments.erase(m_segments.begin() + index);
    if (m_selectedSegmentIndex == index) {
        m_selectedSegmentIndex = kNoSegment;
    } else if (m_selectedSegmentIndex > index) {
        --m_selectedSegmentIndex;
    }
    setNeedsDisplay();
}

void SegmentedControl::removeAllSegments() {
    m_segments.clear();
    m_selectedSegmentIndex = kNoSegment;
    setNeedsDisplay();
}

std::string SegmentedControl::titleForSegmentAtIndex(int index) const {
    return index >= 0 && index < numberOfSegments() ? m_segments[static_cast<std::size_t>(index)].title : "";
}

void SegmentedControl::setTitleForSegmentAtIndex(std::string title, int index) {
    if (index >= 0 && index < numberOfSegments()) {
        m_segments[static_cast<std::size_t>(index)].title = std::move(title);
        setNeedsDisplay();
    }
}

std::shared_ptr<Image> SegmentedControl::imageForSegmentAtIndex(int index) const {
    return index >= 0 && index < numberOfSegments() ? m_segments[static_cast<std::size_t>(index)].image : nullptr;
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
    m_selectedSegmentIndex = index >= 0 && index < numberOfSegments() ? index : kNoSegment;
    setNeedsDisplay();
}

bool SegmentedControl::tapSegment(int index) {
    if (!isEnabled() || index < 0 || index >= numberOfSegments()) {
        return false;
    }
    setSelectedSegmentIndex(index);
    sendActionsForControlEvents(kControlEventValueChanged);
    if (m_momentary) {
        setSelectedSegmentIndex(kNoSegment);
    }
    return true;
}

std::string SegmentedControl::text() const {
    std::string result;
    for (int index = 0; index < numberOfSegments(); ++index) {
        if (index > 0) {
            result += " | ";
        }
        const std::string& title = m_segments[static_cast<std::size_t>(index)].title;
        result += index == m_selectedSegmentIndex ? "[" + title + "]" : title;
    }
    return result;
}

bool SegmentedControl::offersTap(const std::string& text) const {
    return !text.empty() && std::any_of(m_segments.begin(), m_segments.end(),
                                        [&text](const Segment& segment) { return segment.title == text; });
}

bool SegmentedControl::tapText(const std::string& text) {
    for (int index = 0; index < numberOfSegments(); ++index) {
        if (!text.empty() && m_segments[static_cast<std::size_t>(index)].title == text) {
            return tapSegment(index);
        }
    }
    return false;
}

Rect SegmentedControl::segmentFrame(int index) const {
    const double width = numberOfSegments() > 0 ? bounds().width() / numberOfSegments() : 0.0;
    return Rect(index * width, 0.0, width, bounds().height());
}

void SegmentedControl::draw(gfx::BitmapContext& context) const {
    context.fillRect(bounds(), gfx::Color::white(0.95));
    for (int index = 0; index < numberOfSegments(); ++index) {
        const Rect frame = segmentFrame(index);
        const bool selected = index == m_selectedSegmentIndex;
        if (selected) {
            context.fillRect(frame, m_tintColor);
        }
        context.strokeRect(frame, gfx::Color::gray());
        const Segment& segment = m_segments[static_cast<std::size_t>(index)];
        if (segment.image) {
            const Size size = segment.image->size();
            segment.image->drawInRect(context, Rect(frame.midX() - size.width / 2.0, frame.midY() - size.height / 2.0,
                                                    size.width, size.height));
        }
        context.drawText(segment.title, frame.insetBy(4.0, 0.0), segmentFont(),
                         selected ? gfx::Color::white() : gfx::Color::darkGray(), gfx::TextAlignment::Center);
    }
}

}  // namespace platform::ui
