#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Layer.h"
#include "platform/ui/Responder.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::ui {

struct TapGesture;
class TapGestureRecognizer;
class Window;

// Autoresizing flags: which margins and sizes of a view follow its superview's size changes.
enum AutoresizingMask : unsigned {
    kAutoresizingNone = 0,
    kAutoresizingFlexibleLeftMargin = 1,
    kAutoresizingFlexibleWidth = 2,
    kAutoresizingFlexibleRightMargin = 4,
    kAutoresizingFlexibleTopMargin = 8,
    kAutoresizingFlexibleHeight = 16,
    kAutoresizingFlexibleBottomMargin = 32,
};

// A rectangle on screen with ordered subviews (the last one in front). Views are held by std::shared_ptr
// (make them with std::make_shared); a view owns its subviews, and a subview's link to its superview is
// cleared when the superview goes, so views may build their subviews in their constructors.
class View : public Responder {
public:
    View() = default;
    explicit View(const Rect& frame);
    ~View() override;

    // Geometry. The frame is in the superview's coordinates; the bounds in the view's own (their origin is
    // the scrolled offset). With a quarter-turn rotation the frame's width and height swap around the centre.
    Rect frame() const;
    virtual void setFrame(const Rect& frame);
    Rect bounds() const { return m_bounds; }
    virtual void setBounds(const Rect& bounds);
    Point center() const { return m_center; }
    void setCenter(Point center) { m_center = center; }
    // The rotation of the view about its centre, in radians (the layer supports 0 and plus or minus pi/2).
    double rotation() const { return m_rotation; }
    void setRotation(double radians) { m_rotation = radians; }
    // The frame translated into the coordinates of the top-most ancestor (the window).
    Rect frameInWindow() const;

    // Hierarchy.
    std::shared_ptr<View> superview() const;
    const std::vector<std::shared_ptr<View>>& subviews() const { return m_subviews; }
    void addSubview(const std::shared_ptr<View>& view);
    // Index 0 is the back; an index past the end appends.
    void insertSubview(const std::shared_ptr<View>& view, std::size_t index);
    void removeFromSuperview();
    void bringSubviewToFront(const std::shared_ptr<View>& view);
    void sendSubviewToBack(const std::shared_ptr<View>& view);
    void exchangeSubviews(std::size_t first, std::size_t second);
    bool isDescendantOf(const View& ancestor) const;
    // Ends text editing in this view's tree: the first responder resigns when it is this view or inside it.
    // False when it refused to resign.
    bool endEditing();
    // This view or the first descendant (depth first, back to front) with the tag; nullptr when none.
    std::shared_ptr<View> viewWithTag(int tag);
    // The window this view is in, or nullptr.
    std::shared_ptr<Window> window() const;

    // Appearance.
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden) { m_hidden = hidden; }
    double alpha() const { return m_alpha; }
    void setAlpha(double alpha);
    const gfx::Color& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const gfx::Color& color) { m_backgroundColor = color; }
    Layer& layer() { return m_layer; }
    const Layer& layer() const { return m_layer; }
    bool clipsToBounds() const { return m_clipsToBounds; }
    void setClipsToBounds(bool clips) { m_clipsToBounds = clips; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    bool isUserInteractionEnabled() const { return m_userInteractionEnabled; }
    void setUserInteractionEnabled(bool enabled) { m_userInteractionEnabled = enabled; }
    unsigned autoresizingMask() const { return m_autoresizingMask; }
    void setAutoresizingMask(unsigned mask) { m_autoresizingMask = mask; }
    bool autoresizesSubviews() const { return m_autoresizesSubviews; }
    void setAutoresizesSubviews(bool resizes) { m_autoresizesSubviews = resizes; }
    // Shown on screen: neither this view nor an ancestor is hidden or fully transparent.
    bool isVisibleOnScreen() const;

    // Redraw and layout requests. The display count tells tests how often a redraw was asked for.
    void setNeedsDisplay() { ++m_displayRequests; }
    int displayRequests() const { return m_displayRequests; }
    void setNeedsLayout() { m_needsLayout = true; }
    void layoutIfNeeded();
    virtual void layoutSubviews() {}
    virtual Size sizeThatFits(Size size) const;
    void sizeToFit();

    // Tap recognisers attached to this view.
    void addGestureRecognizer(const std::shared_ptr<TapGestureRecognizer>& recognizer);
    void removeGestureRecognizer(const std::shared_ptr<TapGestureRecognizer>& recognizer);
    const std::vector<std::shared_ptr<TapGestureRecognizer>>& gestureRecognizers() const {
        return m_gestureRecognizers;
    }

    // Headless hooks. text(): what the view shows as text (the screen dump and the runner read it).
    virtual std::string text() const { return {}; }
    // The state the screen dump shows after the text, as words ("alpha 0.5", "color #FF0000", "selected"):
    // the view's alpha when below 1; subclasses add their own after the base's.
    virtual std::vector<std::string> dumpState() const;
    // Draws the view's own content (not its background or subviews) within its bounds.
    virtual void draw(gfx::BitmapContext& context) const;
    // The runner's tap on the text shown: answers true when this view handled it. The default fires the
    // view's tap recognisers when the view shows exactly that text.
    virtual bool tapText(const std::string& text);
    // Whether a tap on text would land on this view: it shows exactly that text (views made of several
    // touchable parts, such as segments or bar buttons, also offer the titles of their parts).
    virtual bool offersTap(const std::string& text) const { return !text.empty() && this->text() == text; }
    // A touch that landed on touched (this view or one of its subviews), which shows text: answers whether
    // this view took it. The default: tapText(text) when touched is this view, else (or when that did not
    // handle it) the view's tap recognisers fire.
    virtual bool tapFrom(View& touched, const std::string& text);
    // Whether touches on this view or its subviews can do anything here: the default, an enabled tap
    // recogniser; controls, tables, bars and search bars override it.
    virtual bool respondsToTaps() const;
    // Fires the view's enabled tap recognisers of the gesture (a single tap unless given); answers whether
    // there was any.
    bool fireTapRecognizers();
    bool fireTapRecognizers(const TapGesture& gesture);
    // A finger that landed on this view or a subview moves dx, dy points, or two fingers pinch by scale (above 1:
    // apart) around a point in this view's bounds: answers whether this view followed (a map pans or zooms).
    // The default follows neither.
    virtual bool followDrag(double dx, double dy);
    virtual bool followPinch(double scale, Point around);

protected:
    virtual void didMoveToSuperview() {}
    virtual void willRemoveSubview(View&) {}

private:
    void resizeSubviews(Size oldSize);
    void detach(const std::shared_ptr<View>& view);

    Point m_center;
    Rect m_bounds;
    double m_rotation = 0.0;
    View* m_superview = nullptr;
    std::vector<std::shared_ptr<View>> m_subviews;
    bool m_hidden = false;
    double m_alpha = 1.0;
    gfx::Color m_backgroundColor = gfx::Color::clear();
    Layer m_layer;
    bool m_clipsToBounds = false;
    int m_tag = 0;
    bool m_userInteractionEnabled = true;
    unsigned m_autoresizingMask = kAutoresizingNone;
    bool m_autoresizesSubviews = true;
    int m_displayRequests = 0;
    bool m_needsLayout = false;
    std::vector<std::shared_ptr<TapGestureRecognizer>> m_gestureRecognizers;
};

}  // namespace platform::ui
