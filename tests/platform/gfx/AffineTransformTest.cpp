#include <limits>

#include <gtest/gtest.h>

#include "platform/gfx/AffineTransform.h"

namespace platform::gfx {
namespace {

TEST(AffineTransformTest, StepsApplyInTheOrderWrittenAndTheInverseUndoesThem) {
    // Around a centre of (1000, 500): move it to the origin, double, then put it in the middle of 300 x 200.
    const auto transform = AffineTransform::translation(-1000, -500).thenScale(2, 2).thenTranslate(150, 100);
    EXPECT_EQ(transform.apply(Point{1000, 500}), (Point{150, 100}));
    EXPECT_EQ(transform.apply(Point{1010, 490}), (Point{170, 80}));
    EXPECT_EQ(transform.apply(Rect(1000, 500, 256, 256)), Rect(150, 100, 512, 512));
    const auto inverse = transform.inverted();
    EXPECT_EQ(inverse.apply(Rect(0, 0, 300, 200)), Rect(925, 450, 150, 100));
    EXPECT_TRUE(transform.then(inverse).isIdentity());
}

TEST(AffineTransformTest, MirroredRectsComeOutUprightAndSingularTransformsStayAsTheyAre) {
    EXPECT_EQ(AffineTransform::scaling(-1, 2).apply(Rect(10, 10, 20, 5)), Rect(-30, 20, 20, 10));
    const auto flat = AffineTransform::scaling(0, 3).thenTranslate(4, 5);
    EXPECT_FALSE(flat.isInvertible());
    EXPECT_EQ(flat.inverted(), flat);
    EXPECT_FALSE(AffineTransform::scaling(std::numeric_limits<double>::infinity(), 1).isInvertible());
}

}  // namespace
}  // namespace platform::gfx
