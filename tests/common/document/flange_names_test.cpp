// Tests of the flange name collection offered to the flange dialog.
#include "document/flange_names.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr long double Angle = std::numbers::pi_v<long double> / 4;

TPolygon Triangle(const std::vector<TFlange>& flanges) {
    TPolygon shape;
    shape.Apexes = {PointF(0, 0), PointF(10, 0), PointF(0, 10)};
    shape.Flanges = flanges;
    return shape;
}

} // namespace

TEST(FlangeNamesTest, NamesOfFlangesWithAWidthSortedOnceEach) {
    const TFlange none;
    const TZvDat drawing = {
        {Triangle({MakeFlange("B", 3, Angle, Angle), none, MakeFlange("A", 2, Angle, Angle)})},
        {},
        {Triangle({MakeFlange("B", 5, Angle, Angle), MakeFlange("C", 0, Angle, Angle),
                   MakeFlange("", 3, Angle, Angle)}),
         Triangle(
             {MakeFlange("\x8a\xbf", 1, Angle, Angle), MakeFlange("", 4, Angle, Angle), none})}};
    // "C" has no width; the unnamed flanges give the empty name once; the
    // Shift-JIS name sorts by its bytes, after ASCII.
    EXPECT_EQ(CollectFlangeNames(drawing), std::vector<std::string>({"", "A", "B", "\x8a\xbf"}));
    EXPECT_TRUE(CollectFlangeNames(TZvDat(2)).empty());
}
