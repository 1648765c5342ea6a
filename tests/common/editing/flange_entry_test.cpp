// Tests of the values the flange dialog accepts and refuses.
#include "editing/flange_entry.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TFlangeField Check(long double width, long double degrees1, long double degrees2) {
    return FirstInvalidFlangeField(width, DegToRad(degrees1), DegToRad(degrees2));
}

} // namespace

TEST(FlangeEntryTest, BoundsAreCheckedFieldByFieldInOrder) {
    const struct {
        long double Width, Angle1, Angle2;
        TFlangeField Expected;
    } cases[] = {
        {99, 90, 0.01L, TFlangeField::None},
        {3, 45, 45, TFlangeField::None},
        {99.01L, 45, 45, TFlangeField::Width},
        {-0.01L, 45, 45, TFlangeField::Width},
        {-1, 0, 0, TFlangeField::Width}, // the width comes first
        {3, 0, 45, TFlangeField::Angle1},
        {3, 90.01L, 45, TFlangeField::Angle1},
        {3, 45, 0, TFlangeField::Angle2},
        {3, 45, 90.01L, TFlangeField::Angle2},
        {3, -45, -45, TFlangeField::Angle1},
        // Width 0 is no flange: its angles do not matter.
        {0, 0, 0, TFlangeField::None},
        {0, 120, -5, TFlangeField::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check(c.Width, c.Angle1, c.Angle2), c.Expected)
            << static_cast<double>(c.Width) << " " << static_cast<double>(c.Angle1) << " "
            << static_cast<double>(c.Angle2);
    EXPECT_EQ(FirstInvalidFlangeField(std::nanl(""), 1, 1), TFlangeField::Width);
    EXPECT_EQ(FirstInvalidFlangeField(3, std::nanl(""), 1), TFlangeField::Angle1);
}

TEST(FlangeEntryTest, NinetyDegreesIsExactlyAQuarterTurn) {
    EXPECT_EQ(RadToDeg(DegToRad(90)), 90);
    EXPECT_EQ(DegToRad(90) * 2, std::acos(-1.0L));
}
