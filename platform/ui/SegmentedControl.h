#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"

namespace platform::ui {

enum class SegmentedControlStyle { Plain = 0, Bordered, Bar, Bezeled };

// A row of segments of which one (or none, -1) is selected. Selecting from code sends no action; a tap
// on a segment (tapSegment, or the runner) selects it and sends value-changed.
class SegmentedControl : public Control {
public:
    static constexpr int kNoSegment = -1;

    using Control::Control;
    explicit SegmentedControl(const std::vector<std::string>& titles);

    int numberOfSegments() const { return static_cast<int>(m_segments.size()); }
    // An index past the end appends.
    void insertSegmentWithTitle(std::string title, int index, bool animated);
    void insertSegmentWithImage(std::shared_ptr<Image> image, int index, bool animated);
    void removeSegmentAtIndex(int index, bool animated);
    // Also clears the selection.
    void removeAllSegments();
    std::string titleForSegmentAtIndex(int index) const;
    void setTitleForSegmentAtIndex(std::string title, int index);
    std::shared_ptr<Image> imageForSegmentAtIndex(int index) const;

    int selectedSegmentIndex() const { return m_selectedSegmentIndex; }
    // An index without a segment clears the selection.
    void setSelectedSegmentIndex(int index);
    bool isMomentary() const { return m_momentary; }
    void setMomentary(bool momentary) { m_momentary = momentary; }
    const gfx::Color& tintColor() const { return m_tintColor; }
    void setTintColor(const gfx::Color& color) { m_tintColor = color; }
    SegmentedControlStyle style() const { return m_style; }
    void setStyle(SegmentedControlStyle style) { m_style = style; }

    // The user taps a segment: it becomes selected and value-changed is sent. False for a bad index.
    bool tapSegment(int index);

    // The segment titles separated by " | ", the selected one in brackets.
    std::string text() const override;
    bool tapText(const std::string& text) override;
    bool offersTap(const std::string& text) const override;
    Rect segmentFrame(int index) const;
    void draw(gfx::BitmapContext& context) const override;

private:
    struct Segment {
        std::string title;
        std::shared_ptr<Image> image;
    };
    void insert(Segment segment, int index);

    std::vector<Segment> m_segments;
    int m_selectedSegmentIndex = kNoSegment;
    bool m_momentary = false;
    gfx::Color m_tintColor = gfx::Color::rgba(0.45, 0.5, 0.6);
    SegmentedControlStyle m_style = SegmentedControlStyle::Plain;
};

}  // namespace platform::ui
