// Mouse positions in millimetres: the screen scale, the grid snap and the
// alignment with a reference point.
#include "drawing/mouse_position.h"

#include <gtest/gtest.h>

namespace {

void ExpectPoint(const TPointF& expected, const TPointF& actual) {
    EXPECT_NEAR(static_cast<double>(expected.X), static_cast<double>(actual.X), 1e-12);
    EXPECT_NEAR(static_cast<double>(expected.Y), static_cast<double>(actual.Y), 1e-12);
}

constexpr TMouseKeys NoKeys{};
constexpr TMouseKeys Ctrl{.Shift = false, .Ctrl = true};
constexpr TMouseKeys Shift{.Shift = true, .Ctrl = false};
constexpr TMouseKeys ShiftCtrl{.Shift = true, .Ctrl = true};

TEST(MousePosToMm, ConvertsAtTheScreenScaleAndSnapsHalvesToEven) {
    const TPointF origin{0, 0};
    EXPECT_EQ((TPointF{12.5, 13.5}), MousePosToMm(2, 1, origin, NoKeys, 25, 27));
    EXPECT_EQ((TPointF{12, 14}), MousePosToMm(2, 1, origin, Ctrl, 25, 27));
    // The grid is anchored at the page origin, not at the reference.
    EXPECT_EQ((TPointF{20, 30}), MousePosToMm(1, 10, TPointF{3, 3}, Ctrl, 24, 26));

    TViewScale scale; // 100 %: 3.5 pixels per mm, grid 1 mm
    ExpectPoint(TPointF{10, 20}, MousePosToMm(scale, origin, NoKeys, 35, 70));
    ExpectPoint(TPointF{3, 1}, MousePosToMm(scale, origin, Ctrl, 11, 4));
}

TEST(MousePosToMm, ShiftAlignsWithTheReference) {
    const TPointF reference{20, 20};
    // Already on a diagonal: stays there, in every quadrant.
    EXPECT_EQ((TPointF{30, 10}), MousePosToMm(1, 1, reference, Shift, 30, 10));
    EXPECT_EQ((TPointF{12, 28}), MousePosToMm(1, 1, reference, Shift, 12, 28));
    // Between the axis and the diagonal: moved onto the diagonal.
    EXPECT_EQ((TPointF{26, 26}), MousePosToMm(1, 1, reference, Shift, 27, 25));
    EXPECT_EQ((TPointF{14, 14}), MousePosToMm(1, 1, reference, Shift, 13, 15));
    // dx 10, dy 5: the smaller offset is exactly half, so the horizontal wins.
    EXPECT_EQ((TPointF{30, 20}), MousePosToMm(1, 1, reference, Shift, 30, 25));
    EXPECT_EQ((TPointF{20, 30}), MousePosToMm(1, 1, reference, Shift, 25, 30));
    // The grid snap comes first, so an aligned point need not lie on the grid.
    EXPECT_EQ((TPointF{3, 30}), MousePosToMm(1, 10, TPointF{3, 3}, ShiftCtrl, 14, 26));
}

} // namespace
