#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Image.h"
#include "platform/map/Annotation.h"
#include "platform/ui/View.h"

namespace platform::map {

// The view a map view shows for an annotation, as one of its subviews: centred on the annotation's place
// plus centerOffset. Views are reused: a view whose annotation leaves the visible map goes to the map view's
// pool under its reuse identifier (none for an empty identifier). Selecting an annotation whose view can show
// a callout puts a callout with its title and subtitle above the view. Main thread only.
class AnnotationView : public ui::View {
public:
    AnnotationView(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier);

    const std::shared_ptr<Annotation>& annotation() const { return m_annotation; }
    void setAnnotation(std::shared_ptr<Annotation> annotation) { m_annotation = std::move(annotation); }
    const std::string& reuseIdentifier() const { return m_reuseIdentifier; }
    // Called when the view is taken from the reuse pool, before it gets its new annotation.
    virtual void prepareForReuse() {}

    bool canShowCallout() const { return m_canShowCallout; }
    void setCanShowCallout(bool canShow) { m_canShowCallout = canShow; }
    ui::Point centerOffset() const { return m_centerOffset; }
    void setCenterOffset(ui::Point offset) { m_centerOffset = offset; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // An image shown in place of drawing; the view takes its size.
    const std::shared_ptr<gfx::Image>& image() const { return m_image; }
    void setImage(std::shared_ptr<gfx::Image> image);

    // The annotation's title, so that a screen dump says what the view marks.
    std::string text() const override;
    void draw(gfx::BitmapContext& context) const override;
    // A tap on the annotation's title selects it on its map view.
    bool tapText(const std::string& text) override;

private:
    std::shared_ptr<Annotation> m_annotation;
    std::string m_reuseIdentifier;
    bool m_canShowCallout = false;
    ui::Point m_centerOffset;
    bool m_selected = false;
    bool m_enabled = true;
    std::shared_ptr<gfx::Image> m_image;
};

}  // namespace platform::map
