// Tests of the side names offered to the flange dialog and of their lookup.
#include "document/flange_names.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr long double Angle = Pi / 4;

TPolygon Triangle(const std::vector<TFlange>& flanges) {
    TPolygon shape;
    shape.Apexes = {PointF(0, 0), PointF(10, 0), PointF(0, 10)};
    shape.Flanges = flanges;
    return shape;
}

} // namespace

TEST(FlangeNamesTest, LookupFindsTheFirstOtherFlangeOfTheNameWithItsSideLength) {
    TPolygon edited = Triangle({MakeFlange("A", 3, Angle, Angle), TFlange(), TFlange()});
    TPolygon wide = Triangle({TFlange(), MakeFlange("A", 7, Angle / 2, Angle), TFlange()});
    TPolygon later = Triangle({MakeFlange("A", 9, Angle, Angle), TFlange(), TFlange()});
    // The name's second byte is 0x5C, the ASCII backslash: bytes, not characters, compare.
    TPolygon sjis = Triangle({TFlange(), TFlange(), MakeFlange("\x95\x5c", 2, Angle, Angle)});
    const TZvDat drawing = {{edited, sjis}, {wide, later}};

    TNamedFlange found;
    ASSERT_TRUE(FindNamedFlange(drawing, 0, 0, "A", found));
    EXPECT_EQ(found.Flange, wide.Flanges[1]) << "the edited shape is skipped";
    EXPECT_NEAR(static_cast<double>(found.SideLength), 10 * std::numbers::sqrt2, 1e-12);

    ASSERT_TRUE(FindNamedFlange(drawing, 1, 0, "A", found));
    EXPECT_EQ(found.Flange, edited.Flanges[0]) << "only the shape on the given page is skipped";

    ASSERT_TRUE(FindNamedFlange(drawing, 0, 0, "\x95\x5c", found));
    EXPECT_EQ(found.SideLength, 10);
    EXPECT_FALSE(FindNamedFlange(drawing, 0, 0, "\x95", found));
    EXPECT_FALSE(FindNamedFlange(drawing, 0, 0, "a", found)) << "names are case-sensitive";
    EXPECT_FALSE(FindNamedFlange({{edited}}, 0, 0, "A", found)) << "only the edited shape has it";
}

TEST(FlangeNamesTest, OpenMarksComeFirstThenTheOthersNumbersByValue) {
    const TFlange none;
    const auto named = [](const char* name, long double width) {
        return MakeFlange(name, width, Angle, Angle);
    };
    // Open: "10", "9", "B" and "007" once each. Paired or more: "2" twice, "A"
    // on three sides, "7" twice. "C" stands only on a record beyond the
    // vertices, which no side has.
    TPolygon withSurplus = Triangle({named("A", 0), none, named("7", 0), named("C", 3)});
    const TZvDat drawing = {{Triangle({named("10", 3), named("2", 0), named("A", 3)}), withSurplus},
                            {},
                            {Triangle({named("9", 0), named("2", 3), named("B", 3)}),
                             Triangle({named("A", 3), named("007", 3), named("7", 0)})}};
    EXPECT_EQ(FlangeNamesOpenFirst(drawing),
              (std::vector<std::string>{"007", "9", "10", "B", "2", "7", "A"}));
    EXPECT_TRUE(FlangeNamesOpenFirst(TZvDat(2)).empty());
}
