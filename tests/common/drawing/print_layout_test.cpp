// Tests of the printed page's layout: page area, page origin and caption.
#include "drawing/print_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr long double Tight = 1e-12L;

// A 190 x 277 mm printable area at 10 pixels per millimetre.
constexpr long double PrintableWidth = 1900;
constexpr long double PrintableHeight = 2770;

struct TAreaCase {
    const char* Name;
    TPageMargins Margins;
    long double Width;
    long double Height;
};

class PageAreaTest : public testing::TestWithParam<TAreaCase> {};

TEST_P(PageAreaTest, IsThePrintableAreaLessTheMargins) {
    const TAreaCase& c = GetParam();
    const TPageAreaMm area = PageAreaOf(PrintableWidth, PrintableHeight, 10, 10, c.Margins);
    EXPECT_NEAR(area.Width, c.Width, Tight);
    EXPECT_NEAR(area.Height, c.Height, Tight);
}

INSTANTIATE_TEST_SUITE_P(
    Margins, PageAreaTest,
    testing::Values(TAreaCase{"None", {}, 190, 277},
                    TAreaCase{"LeftTenRightFifteen", {0, 0, 10, 15}, 165, 277},
                    TAreaCase{"TopAndBottom", {7, 3, 0, 0}, 190, 267},
                    TAreaCase{"NegativeWidens", {-5, 0, -5, 0}, 195, 282},
                    TAreaCase{"LargerThanThePaper", {200, 100, 0, 0}, 190, -23}),
    [](const testing::TestParamInfo<TAreaCase>& info) { return info.param.Name; });

TEST(PageArea, EachAxisHasItsOwnScale) {
    // 300 by 600 pixels per inch over a 200 x 250 mm printable area.
    const long double x = PixelsPerMm(300);
    const long double y = PixelsPerMm(600);
    const TPageAreaMm area = PageAreaOf(200 * x, 250 * y, x, y, {});
    EXPECT_NEAR(area.Width, 200, 1e-9L);
    EXPECT_NEAR(area.Height, 250, 1e-9L);
    EXPECT_NEAR(PixelsPerMm(254), 10, Tight);
}

void ExpectShift(const TPixelShift& shift, long double x, long double y) {
    EXPECT_NEAR(shift.X, x, 1e-9L);
    EXPECT_NEAR(shift.Y, y, 1e-9L);
}

TEST(PageOriginOnPaper, MovesTheOriginInByTheLeftAndTopMargins) {
    ExpectShift(PageOriginOnPaper({}, 10, 10), 0, 0);
    ExpectShift(PageOriginOnPaper({5, 99, 12, 99}, 10, 20), 120, 100);
    ExpectShift(PageOriginOnPaper({-3, 0, -2, 0}, 10, 10), -20, -30);
}

TEST(PageOriginOnPaper, KeepsFractionsOfAPixel) {
    // At 300 pixels per inch 10 mm is 118.11 pixels; rounding it too would
    // add a second half pixel to the one every point is rounded by.
    ExpectShift(PageOriginOnPaper({1, 0, 10, 0}, PixelsPerMm(300), PixelsPerMm(300)),
                10 * 300 / 25.4L, 300 / 25.4L);
}

TEST(CaptionPosition, PutsTheCaptionsBottomRightOnThePrintableAreas) {
    EXPECT_EQ(CaptionPosition(1900, 2770, 300, 40), (TPixelPoint{1600, 2730}));
    // A caption wider than the paper starts left of it.
    EXPECT_EQ(CaptionPosition(100, 100, 150, 20), (TPixelPoint{-50, 80}));
}

} // namespace
