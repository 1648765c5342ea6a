// Tests of fitting names into their flanges: drawn at the font's height when
// they fit, smaller down to the readable minimum, then cut at a whole
// character, never wider than the room.
#include "drawing/name_fit.h"

#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every byte half an em wide: a Shift-JIS character of two bytes a whole em.
class THalfEmMeasure : public ITextMeasure {
public:
    long double WidthMm(std::string_view text, long double height) const override {
        return static_cast<long double>(text.size()) * height / 2;
    }
};

const std::string Aiu = "\x82\xa0\x82\xa2\x82\xa4"; // three two-byte characters

struct TFitCase {
    const char* Name;
    std::string Text;
    long double Height;
    long double CellScale;
    TNameRoom Room;
    std::string Fitted;
    long double FittedHeight;
};

class FitNameTest : public testing::TestWithParam<TFitCase> {};

TEST_P(FitNameTest, KeepsTheNameWithinItsRoom) {
    const TFitCase& c = GetParam();
    const THalfEmMeasure measure;
    const TFittedName fitted = FitName(c.Text, c.Height, c.CellScale, c.Room, measure);
    EXPECT_EQ(fitted.Text, c.Fitted);
    EXPECT_NEAR(fitted.Height, c.FittedHeight, 1e-9L);
    if (fitted.Text.empty())
        return;
    EXPECT_NEAR(fitted.Width, measure.WidthMm(fitted.Text, fitted.Height), 1e-9L);
    EXPECT_LE(fitted.Width, c.Room.WidthAt(fitted.Height * c.CellScale) + 1e-9L);
    if (c.Room.Depth >= 0) {
        EXPECT_LE(fitted.Height * c.CellScale, c.Room.Depth + 1e-9L);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, FitNameTest,
    testing::Values(
        TFitCase{"FitsAtTheFontsHeight", "AB", 3, 1, BareSideNameRoom(20), "AB", 3},
        // 8 bytes are 4 heights wide: 10 mm of side give 2.5 mm.
        TFitCase{"DrawnSmaller", "ABCDEFGH", 3, 1, BareSideNameRoom(10), "ABCDEFGH", 2.5L},
        // 1.2 mm would fit, below the minimum: cut at 1.5 mm, 0.75 mm a byte.
        TFitCase{"CutAtTheMinimum", "ABCDEFGHIJ", 3, 1, BareSideNameRoom(6), "ABCDEFGH",
                 MinNameHeight},
        // A 45 degree base angle takes a cell height off each end.
        TFitCase{"NarrowingFlange", std::string(16, 'N'), 3, 1,
                 FlangeNameRoom(20, 5, Pi / 4, Pi / 2), std::string(16, 'N'), 2},
        TFitCase{"ShallowFlange", "AB", 3, 1.25L, FlangeNameRoom(20, 2.5L, Pi / 2, Pi / 2), "AB",
                 2},
        // Shallower than the minimum: the flange's depth decides the height.
        TFitCase{"VeryShallowFlange", "AB", 3, 1, FlangeNameRoom(20, 1, Pi / 2, Pi / 2), "AB", 1},
        // Two characters of 1.5 mm fit 4 mm; five of the six bytes would too,
        // but half a character is no character.
        TFitCase{"CutAtAWholeCharacter", Aiu, 3, 1, BareSideNameRoom(4), "\x82\xa0\x82\xa2",
                 MinNameHeight},
        TFitCase{"NothingFits", "AB", 3, 1, BareSideNameRoom(0.5L), "", 0},
        TFitCase{"NoText", "", 3, 1, BareSideNameRoom(20), "", 0}),
    [](const testing::TestParamInfo<TFitCase>& info) { return info.param.Name; });

} // namespace
