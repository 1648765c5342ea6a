// Tests of the free joint marks handed out in turn: each the smallest number
// no name of the drawing reads as and none handed out before.
#include "document/free_joint_marks.h"

#include "common/shape_builders.h"
#include "document/joints.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One shape whose sides carry the names, as many sides as names.
TZvDat Named(const std::vector<std::string>& names) {
    TDaPointF apexes;
    for (std::size_t i = 0; i < std::max<std::size_t>(names.size(), 3); ++i)
        apexes.push_back(PointF(static_cast<long double>(i), static_cast<long double>(i * i)));
    TPolygon shape = Shape(apexes);
    for (std::size_t i = 0; i < names.size(); ++i)
        shape.Flanges[i].Name = names[i];
    return {{shape}};
}

} // namespace

TEST(FreeJointMarks, EachMarkIsTheNextNumberNeitherTheDrawingNorAnEarlierMarkTakes) {
    const std::string fullWidthFive = "\x82\x54"; // "５" in Shift-JIS
    const struct {
        const char* Name;
        std::vector<std::string> Names;
        std::vector<std::string> Marks;
    } cases[] = {
        {"an empty drawing", {}, {"1", "2", "3"}},
        {"gaps are filled first", {"1", "3", "A"}, {"2", "4", "5"}},
        {"names read as numbers", {"2", "007", " 1 ", fullWidthFive, "0"}, {"3", "4", "6", "8"}},
        {"a name used twice", {"1", "1", "2"}, {"3", "4"}},
        {"far numbers are passed by", {"1", "1000"}, {"2", "3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TZvDat drawing = Named(c.Names);
        TFreeJointMarks marks(drawing);
        EXPECT_EQ(marks.Next(), NextFreeJointMark(drawing));
        TFreeJointMarks again(drawing);
        std::vector<std::string> given;
        for (std::size_t i = 0; i < c.Marks.size(); ++i)
            given.push_back(again.Next());
        EXPECT_EQ(given, c.Marks);
    }
}
