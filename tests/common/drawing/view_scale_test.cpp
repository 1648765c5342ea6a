// Tests of the view scale values and the zoom setting and input conversions.
#include "drawing/view_scale.h"

#include <gtest/gtest.h>

namespace {

constexpr long double Tight = 1e-12L;

long double GridStepAt(long double zoom) {
    TViewScale view;
    view.SetZoom(zoom);
    return view.GridStep();
}

} // namespace

TEST(ViewScale, ValuesAtFullSize) {
    TViewScale view;
    view.SetZoom(1);
    EXPECT_EQ(view.Zoom(), 1);
    EXPECT_NEAR(view.ScreenScale(), 3.5L, Tight);
    EXPECT_NEAR(view.GridStep(), 1, Tight);
    EXPECT_NEAR(view.CloseDist(), 2.857142857142857L, 1e-12L);
    EXPECT_NEAR(view.ApexPickDist(), 2.285714285714286L, 1e-12L);
    EXPECT_NEAR(view.LinePickDist(), 2.285714285714286L, 1e-12L);
    EXPECT_NEAR(10 * view.ScreenScale(), 35, Tight); // a 10 mm side is 35 pixels
}

TEST(ViewScale, PickDistancesStayConstantInPixels) {
    TViewScale view;
    view.SetZoom(2.5L);
    EXPECT_NEAR(view.CloseDist() * view.ScreenScale(), 10, Tight);
    EXPECT_NEAR(view.ApexPickDist() * view.ScreenScale(), 8, Tight);
    EXPECT_NEAR(view.LinePickDist() * view.ScreenScale(), 8, Tight);
}

TEST(ViewScale, GridStepIsNearestPowerOfTenToFourPixels) {
    EXPECT_NEAR(GridStepAt(0.5L), 1, Tight);
    EXPECT_NEAR(GridStepAt(3), 1, Tight);
    EXPECT_NEAR(GridStepAt(4), 0.1L, Tight);
    EXPECT_NEAR(GridStepAt(0.3L), 10, Tight);
    EXPECT_NEAR(GridStepAt(0.01L), 100, Tight);
    EXPECT_NEAR(GridStepAt(0.002L), 1000, Tight);
    EXPECT_NEAR(GridStepAt(500), 0.001L, Tight);
    // Either side of the 1 mm / 0.1 mm boundary near 361.4 %.
    EXPECT_NEAR(GridStepAt(3.613L), 1, Tight);
    EXPECT_NEAR(GridStepAt(3.615L), 0.1L, Tight);
}

TEST(ViewScale, AcceptedZoomExcludesBothBounds) {
    EXPECT_FALSE(IsAcceptedZoom(0.0005L)); // 0.05 %
    EXPECT_FALSE(IsAcceptedZoom(0.001L));
    EXPECT_FALSE(IsAcceptedZoom(1000)); // 100000 %
    EXPECT_FALSE(IsAcceptedZoom(0));
    EXPECT_FALSE(IsAcceptedZoom(-1));
    EXPECT_FALSE(IsAcceptedZoom(2000));
    EXPECT_TRUE(IsAcceptedZoom(0.002L));
    EXPECT_TRUE(IsAcceptedZoom(999.99L));
    // As typed into the input box: 0.1 % and 100000 % are the bounds.
    EXPECT_FALSE(IsAcceptedZoom(ZoomFromPercentText("0.1", 1)));
    EXPECT_TRUE(IsAcceptedZoom(ZoomFromPercentText("0.1001", 1)));
    EXPECT_FALSE(IsAcceptedZoom(ZoomFromPercentText("100000", 1)));
    EXPECT_TRUE(IsAcceptedZoom(ZoomFromPercentText("99999.9", 1)));
}

TEST(ViewScale, StoredZoomRoundTripsAndFallsBackWhenNotPositive) {
    EXPECT_NEAR(ZoomFromStored(25000), 2.5L, Tight);
    EXPECT_EQ(ZoomToStored(2.5L), 25000);
    EXPECT_EQ(ZoomFromStored(0), 1);
    EXPECT_EQ(ZoomFromStored(-5), 1);
}

TEST(ViewScale, PercentTextOfTheZoomInputBox) {
    EXPECT_EQ(ZoomPercentText(1), 100);
    EXPECT_EQ(ZoomPercentText(1.234L), 123);
    EXPECT_EQ(ZoomPercentText(0.125L), 12); // 12.5 goes to the even neighbour
    EXPECT_NEAR(ZoomFromPercentText("150", 1), 1.5L, Tight);
    EXPECT_NEAR(ZoomFromPercentText(" 250 ", 1), 2.5L, Tight);
    // Malformed text gives back the current zoom.
    EXPECT_NEAR(ZoomFromPercentText("abc", 1.234L), 1.234L, Tight);
    EXPECT_NEAR(ZoomFromPercentText("", 0.5L), 0.5L, Tight);
}
