// Tests of printer calibration: the factors measured rulers give, the range
// they must keep, the scale prints take from them, and the calibration page.
#include "drawing/print_calibration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double Tight = 1e-12L;

struct TCalibrationCase {
    const char* Name;
    long double Current;
    long double Nominal;
    long double Measured;
    long double Factor;
};

class CalibratedPrintScaleTest : public testing::TestWithParam<TCalibrationCase> {};

TEST_P(CalibratedPrintScaleTest, IsTheFactorThatMakesTheRulerComeOutTrue) {
    const TCalibrationCase& c = GetParam();
    long double factor = -1;
    ASSERT_TRUE(CalibratedPrintScale(c.Current, c.Nominal, c.Measured, factor));
    EXPECT_NEAR(factor, c.Factor, Tight);
}

INSTANTIATE_TEST_SUITE_P(
    Rulers, CalibratedPrintScaleTest,
    testing::Values(TCalibrationCase{"ShortHorizontal", 1, 150, 148.5L, 0.99L},
                    TCalibrationCase{"LongVertical", 1, 200, 202, 1.01L},
                    TCalibrationCase{"TrueKeepsTheFactor", 0.99L, 150, 150, 0.99L},
                    // A page printed corrected that still comes out long.
                    TCalibrationCase{"CorrectedStillLong", 0.99L, 150, 151.5L, 0.9999L},
                    TCalibrationCase{"LowestAccepted", 1, 150, 135, 0.9L},
                    TCalibrationCase{"HighestAccepted", 1, 200, 220, 1.1L}),
    [](const testing::TestParamInfo<TCalibrationCase>& info) { return info.param.Name; });

TEST(CalibratedPrintScale, RefusesLengthsThatGiveNoAcceptedFactor) {
    const long double refused[] = {134.9L,
                                   165.1L,
                                   0,
                                   -150,
                                   std::numeric_limits<long double>::quiet_NaN(),
                                   std::numeric_limits<long double>::infinity()};
    for (const long double measured : refused) {
        long double factor = 0.95L;
        EXPECT_FALSE(CalibratedPrintScale(1, 150, measured, factor)) << measured;
        EXPECT_EQ(factor, 0.95L);
    }
    // What a corrected page accepts follows its correction.
    long double factor = 1;
    EXPECT_FALSE(CalibratedPrintScale(1.05L, 150, 160, factor));
    EXPECT_TRUE(CalibratedPrintScale(0.95L, 150, 160, factor));
}

TEST(AcceptedMeasurements, AreTheLengthsCalibrationTakes) {
    for (const long double current : {0.9L, 0.99L, 1.0L, 1.07L}) {
        const TLengthRange range = AcceptedMeasurements(current, 150);
        long double factor = 0;
        EXPECT_TRUE(CalibratedPrintScale(current, 150, range.Min + 1e-9L, factor)) << current;
        EXPECT_TRUE(CalibratedPrintScale(current, 150, range.Max - 1e-9L, factor)) << current;
        EXPECT_FALSE(CalibratedPrintScale(current, 150, range.Min - 1e-6L, factor)) << current;
        EXPECT_FALSE(CalibratedPrintScale(current, 150, range.Max + 1e-6L, factor)) << current;
    }
}

// A printer that prints 1 % short along X and 1 % long along Y gets 100 mm
// lines drawn 101.01 and 99.01 mm long, which it prints 100 mm long.
TEST(PixelsPerPaperMm, CorrectsWhatThePrinterDoes) {
    const long double drawnX = 100 * PixelsPerPaperMm(254, 0.99L) / PixelsPerMm(254);
    const long double drawnY = 100 * PixelsPerPaperMm(254, 1.01L) / PixelsPerMm(254);
    EXPECT_NEAR(drawnX, 101.0101L, 1e-4L);
    EXPECT_NEAR(drawnY, 99.0099L, 1e-4L);
    EXPECT_NEAR(drawnX * 0.99L, 100, Tight);
    EXPECT_NEAR(PixelsPerPaperMm(254, 1), 10, Tight);
}

bool IsHorizontal(const TSegmentF& s) {
    return s.P1.Y == s.P2.Y;
}

long double Length(const TSegmentF& s) {
    return std::hypot(s.P2.X - s.P1.X, s.P2.Y - s.P1.Y);
}

TEST(CalibrationPage, HoldsBothRulersWithMillimetreTicksAndTheSquare) {
    const TCalibrationPage page = CalibrationPage();
    const auto count = [&](long double length) {
        return std::count_if(page.Lines.begin(), page.Lines.end(), [&](const TSegmentF& s) {
            return std::fabs(Length(s) - length) < Tight;
        });
    };
    EXPECT_EQ(count(CalibrationRulerX), 1);
    EXPECT_EQ(count(CalibrationRulerY), 1);
    EXPECT_EQ(count(CalibrationSquareSide), 4);

    // A tick at every millimetre of both rulers, numbered every 10 mm.
    const TSegmentF& horizontal = page.Lines[0];
    ASSERT_TRUE(IsHorizontal(horizontal));
    for (int mm = 0; mm <= CalibrationRulerX; ++mm) {
        const long double x = horizontal.P1.X + mm;
        EXPECT_TRUE(std::any_of(page.Lines.begin(), page.Lines.end(), [&](const TSegmentF& s) {
            return !IsHorizontal(s) && s.P1.X == x && s.P1.Y == horizontal.P1.Y && Length(s) < 6;
        })) << mm;
    }
    ASSERT_EQ(page.Numbers.size(), 16u + 21u);
    EXPECT_EQ(page.Numbers[15].Text, "150");
    EXPECT_TRUE(page.Numbers[15].Below);
    EXPECT_EQ(page.Numbers.back().Text, "200");
    EXPECT_FALSE(page.Numbers.back().Below);

    // Everything lies on the page it asks for, and the notes below the square.
    for (const TSegmentF& s : page.Lines)
        for (const TPointF& p : {s.P1, s.P2}) {
            EXPECT_GE(p.X, 0);
            EXPECT_GE(p.Y, 0);
            EXPECT_LT(p.X, page.Size.Width);
            EXPECT_LT(p.Y, page.Size.Height);
        }
    EXPECT_LE(page.Size.Width, 180);
    EXPECT_LE(page.Size.Height, 257);
    long double squareBottom = 0;
    for (const TSegmentF& s : page.Lines)
        if (std::fabs(Length(s) - CalibrationSquareSide) < Tight)
            squareBottom = std::max({squareBottom, s.P1.Y, s.P2.Y});
    EXPECT_GT(page.NotesAt.Y, squareBottom);
}

} // namespace
