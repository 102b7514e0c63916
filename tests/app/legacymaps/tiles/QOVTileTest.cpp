#include <gtest/gtest.h>

#include "app/legacymaps/tiles/QOVTileSubView.h"
#include "platform/gfx/BitmapContext.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

using platform::gfx::AffineTransform;
using platform::gfx::Rect;

class QOVTileTest : public qovtest::ManualClockFixture {
protected:
    std::shared_ptr<QOVTile> tile(const Rect& rect = Rect(0, 0, 256, 256)) {
        return std::make_shared<QOVTile>("http://tiles/TileServer/imgs/radar/u1/0.png", 1.0F, rect, clock());
    }
};

TEST_F(QOVTileTest, ExpiresMoreThan900WholeSecondsFromItsStampEitherWay) {
    const struct {
        std::optional<double> stampedSecondsAgo;
        bool expired;
    } cases[] = {{std::nullopt, false}, {899.0, false}, {900.9, false}, {901.0, true}, {-901.0, true}};
    for (const auto& c : cases) {
        const auto subject = tile();
        if (c.stampedSecondsAgo) {
            subject->setTimeStamp(clock()->now().addingTimeInterval(-*c.stampedSecondsAgo));
        }
        EXPECT_EQ(subject->expired(), c.expired) << c.stampedSecondsAgo.value_or(-1);
    }
}

TEST_F(QOVTileTest, DrawsItsPictureOnlyOnceItHoldsBytesThatDecode) {
    const auto subject = tile();
    platform::gfx::BitmapContext canvas(256, 256);
    subject->draw(canvas);
    EXPECT_FALSE(subject->isLoaded());
    EXPECT_FALSE(subject->image());
    subject->updateImageFromData(platform::Data{'n', 'o', 't'});
    subject->draw(canvas);
    EXPECT_TRUE(subject->isLoaded());
    EXPECT_FALSE(subject->image());

    platform::gfx::BitmapContext red(4, 4);
    red.fillRect(Rect(0, 0, 4, 4), platform::gfx::Color::redColor());
    subject->updateImageFromData(red.makeImage()->pngData().value());
    subject->draw(canvas);
    EXPECT_GT(canvas.makeImage()->pixel(200, 200).red, 0.95);
    subject->setRendering(false);
    EXPECT_FALSE(subject->image());
}

TEST_F(QOVTileTest, ASubViewKeepsItsTileWhileItMeetsTheParentAndStaysSmall) {
    const Rect parent(0, 0, 768, 1004);
    const struct {
        const char* name;
        Rect tileRect;
        double scale;
        bool kept;
    } cases[] = {
        {"inside", Rect(256, 256, 256, 256), 1.0, true},
        {"edge tile partly shown", Rect(-200, 900, 256, 256), 1.0, true},
        {"touching the edge only", Rect(768, 0, 256, 256), 1.0, false},
        {"wholly outside", Rect(2000, 2000, 256, 256), 1.0, false},
        {"wider than 2048 points", Rect(0, 0, 256, 256), 8.01, false},
        {"exactly 2048 points", Rect(0, 0, 256, 256), 8.0, true},
    };
    for (const auto& c : cases) {
        auto view = std::make_shared<QOVTileSubView>(Rect(1000, 1000, 256, 256));
        const auto shown = tile(c.tileRect);
        view->setTile(shown);
        const auto transform = AffineTransform::scaling(c.scale, c.scale);
        EXPECT_EQ(view->moveView(parent, transform), c.kept) << c.name;
        EXPECT_EQ(view->isInUse(), c.kept) << c.name;
        EXPECT_EQ(view->frame(), c.kept ? transform.apply(c.tileRect) : Rect()) << c.name;
    }
}

TEST_F(QOVTileTest, ASubViewMovedOnToAnotherTileLetsTheOldOneStopRenderingAndDropItsPicture) {
    platform::gfx::BitmapContext red(4, 4);
    red.fillRect(Rect(0, 0, 4, 4), platform::gfx::Color::redColor());
    const auto first = tile();
    first->updateImageFromData(red.makeImage()->pngData().value());
    auto view = std::make_shared<QOVTileSubView>(Rect(0, 0, 256, 256));
    view->setTile(first);
    platform::gfx::BitmapContext canvas(256, 256);
    view->draw(canvas);
    ASSERT_TRUE(first->image());

    const auto second = tile(Rect(256, 0, 256, 256));
    view->setTile(second);
    EXPECT_EQ(view->tile(), second);
    EXPECT_FALSE(first->rendering());
    EXPECT_FALSE(first->image());
    view->setTile(nullptr);
    EXPECT_FALSE(second->rendering());
    EXPECT_EQ(view->frame(), Rect(1000, 1000, 256, 256));
}

}  // namespace
}  // namespace qov
