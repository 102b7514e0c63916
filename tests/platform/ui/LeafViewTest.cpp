#include <filesystem>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace platform::ui {
namespace {

class LeafViewTest : public UiFixture {};

class ScrollJournal : public ScrollViewDelegate {
public:
    void scrollViewDidScroll(ScrollView& view) override {
        journal.push_back("scroll " + std::to_string(int(view.contentOffset().x)));
    }
    void scrollViewWillBeginDragging(ScrollView&) override { journal.push_back("drag"); }
    void scrollViewDidEndDragging(ScrollView&, bool) override { journal.push_back("endDrag"); }
    void scrollViewDidEndDecelerating(ScrollView&) override { journal.push_back("endDecelerating"); }
    std::vector<std::string> journal;
};

std::string writeImage(const std::filesystem::path& folder, const std::string& name, int width, int height) {
    gfx::BitmapContext context(width, height);
    context.fillRect(Rect(0, 0, width, height), gfx::Color::rgba(1, 0, 0));
    context.fillRect(Rect(0, 0, 2, height), gfx::Color::rgba(0, 0, 1));
    const auto path = (folder / name).string();
    context.makeImage()->writePNG(path);
    return path;
}

TEST_F(LeafViewTest, LabelMeasuresItsTextWithItsFont) {
    Label label;
    label.setText("Partly Cloudy");
    label.setFont(gfx::Font::boldSystemFont(20));
    const Size single = label.sizeThatFits(Size{});
    label.setNumberOfLines(0);
    const Size wrapped = label.sizeThatFits(Size{single.width / 2.0, 0});
    EXPECT_GT(wrapped.height, single.height * 1.5);
    label.setNumberOfLines(-4);
    EXPECT_EQ(label.numberOfLines(), 0);
}

TEST_F(LeafViewTest, ImagesByNameKeepNameAndPixelSize) {
    qovtest::TempHome home;
    writeImage(home.path(), "tabbar-icon-weather.png", 30, 20);
    qovtest::TestBundle bundle(home.path());
    const auto image = Image::named("tabbar-icon-weather.png");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->name(), "tabbar-icon-weather.png");
    EXPECT_EQ(image->size(), (Size{30, 20}));
    EXPECT_EQ(Image::named("tabbar-icon-weather.png"), image);
    EXPECT_TRUE(Image::named("tabbar-icon-weather"));
    EXPECT_EQ(Image::named("missing.png"), nullptr);
    EXPECT_EQ(Image::named("../etc/passwd"), nullptr);
    EXPECT_EQ(Image::named(""), nullptr);
    auto view = std::make_shared<ImageView>(image);
    EXPECT_EQ(view->frame(), Rect(0, 0, 30, 20));
}

TEST_F(LeafViewTest, StretchableImagesKeepTheirCaps) {
    qovtest::TempHome home;
    const auto image = Image::withContentsOfFile(writeImage(home.path(), "button.png", 10, 10));
    ASSERT_TRUE(image);
    const auto stretchable = image->stretchableImage(2, 0);
    EXPECT_EQ(stretchable->leftCapWidth(), 2);
    EXPECT_EQ(stretchable->name(), "button.png");
    gfx::BitmapContext context(100, 10);
    stretchable->drawInRect(context, Rect(0, 0, 100, 10));
    const auto drawn = context.makeImage();
    // The blue left cap keeps its two pixels; the red middle and right cap stretch over the rest.
    EXPECT_GT(drawn->pixel(1, 5).blue, 0.95);
    EXPECT_GT(drawn->pixel(50, 5).red, 0.95);
    EXPECT_LT(drawn->pixel(50, 5).blue, 0.05);
    EXPECT_GT(drawn->pixel(98, 5).red, 0.95);
    EXPECT_EQ(Image::withData(Data{1, 2, 3}), nullptr);
}

TEST_F(LeafViewTest, AnImageMeasuresItsPixelsByItsScaleFactor) {
    const auto bitmap = gfx::BitmapContext(64, 32).makeImage();
    for (const auto& [scale, size] : {std::pair{2.0, Size{32, 16}}, std::pair{0.5, Size{128, 64}},
                                      std::pair{0.0, Size{64, 32}}, std::pair{-1.0, Size{64, 32}}}) {
        const Image image(bitmap, "", scale);
        EXPECT_EQ(image.size(), size) << scale;
        EXPECT_EQ(image.stretchableImage(1, 1)->size(), size) << scale;
    }
}

TEST_F(LeafViewTest, AspectFitKeepsTheImageProportionsCentredInTheBounds) {
    ImageView view(std::make_shared<Image>(gfx::BitmapContext(64, 32).makeImage()));
    view.setFrame(Rect(0, 0, 320, 199));
    EXPECT_EQ(view.imageRect(), Rect(0, 0, 320, 199));
    view.setContentMode(ContentMode::ScaleAspectFit);
    EXPECT_EQ(view.imageRect(), Rect(0, 19.5, 320, 160));
    view.setFrame(Rect(0, 0, 40, 100));
    EXPECT_EQ(view.imageRect(), Rect(0, 40, 40, 20));
}

TEST_F(LeafViewTest, ScrollViewPagesAndReportsDragging) {
    auto scroller = std::make_shared<ScrollView>(Rect(0, 0, 320, 100));
    auto delegate = std::make_shared<ScrollJournal>();
    scroller->setDelegate(delegate);
    scroller->setContentSize(Size{960, 100});
    scroller->setPagingEnabled(true);
    scroller->drag(Point{400, 0});
    EXPECT_EQ(scroller->contentOffset(), (Point{320, 0}));
    scroller->drag(Point{5000, 40});
    EXPECT_EQ(scroller->contentOffset(), (Point{640, 0}));
    scroller->setContentOffset(Point{640, 0});
    EXPECT_EQ(delegate->journal, (std::vector<std::string>{"drag", "scroll 320", "endDrag", "endDecelerating", "drag",
                                                           "scroll 640", "endDrag", "endDecelerating"}));
    scroller->setScrollEnabled(false);
    scroller->drag(Point{0, 0});
    EXPECT_EQ(scroller->contentOffset(), (Point{640, 0}));
}

}  // namespace
}  // namespace platform::ui
