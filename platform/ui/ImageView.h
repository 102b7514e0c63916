#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace platform::ui {

// How an image view fits its image into its bounds: stretched to fill them, or as large as fits with its
// proportions kept, centred (the rest of the bounds stays clear).
enum class ContentMode { ScaleToFill, ScaleAspectFit };

// Shows an image in its bounds as its content mode says (the highlighted image while highlighted, when there
// is one).
class ImageView : public View {
public:
    using View::View;
    explicit ImageView(std::shared_ptr<Image> image);

    const std::shared_ptr<Image>& image() const { return m_image; }
    void setImage(std::shared_ptr<Image> image);
    const std::shared_ptr<Image>& highlightedImage() const { return m_highlightedImage; }
    void setHighlightedImage(std::shared_ptr<Image> image) { m_highlightedImage = std::move(image); }
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted) { m_highlighted = highlighted; }
    ContentMode contentMode() const { return m_contentMode; }
    void setContentMode(ContentMode mode) { m_contentMode = mode; }
    // Where the image shown is drawn, in the view's own coordinates (empty without an image).
    Rect imageRect() const;

    // The image's size.
    Size sizeThatFits(Size size) const override;
    void draw(gfx::BitmapContext& context) const override;
    // Adds the name of the image shown ("image NAME"; "image unnamed" for one made from data).
    std::vector<std::string> dumpState() const override;

private:
    std::shared_ptr<Image> m_image;
    std::shared_ptr<Image> m_highlightedImage;
    bool m_highlighted = false;
    ContentMode m_contentMode = ContentMode::ScaleToFill;
};

}  // namespace platform::ui
