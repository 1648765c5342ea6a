// Tests of the shape records: flange names cut at whole Shift-JIS characters,
// which fold lines count, deep copies of shapes and pages, and the pages that
// hold shapes.
#include "common/shape_builders.h"
#include "geometry/polygon.h"

#include <gtest/gtest.h>

namespace {

TPolygon FlangedTriangle() {
    TPolygon polygon = Triangle(10);
    polygon.Flanges[1] = MakeFlange("A1", 5, 0.5L, 1);
    polygon.BendLines[0].push_back(MakeBendLine(0, 2));
    polygon.BendLines[1].push_back(MakeBendLine(1, 2));
    return polygon;
}

TEST(MakeFlange, KeepsFieldsAndShortNames) {
    const TFlange flange = MakeFlange("tab", 5, 0.25L, 1.5L);
    EXPECT_EQ(5, flange.Width);
    EXPECT_EQ(0.25L, flange.Angle1);
    EXPECT_EQ(1.5L, flange.Angle2);
    EXPECT_EQ("tab", flange.Name);
    EXPECT_EQ(std::string(16, 'x'), MakeFlange(std::string(16, 'x'), 0, 0, 0).Name);
}

TEST(MakeFlange, CutsNameAtSixteenBytesWithoutSplittingACharacter) {
    EXPECT_EQ(std::string(16, 'x'), MakeFlange(std::string(20, 'x'), 0, 0, 0).Name);
    // "\x82\xa0" is one double-byte character; the 8th would end at byte 17.
    const std::string eightKana =
        "x\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0";
    EXPECT_EQ(eightKana.substr(0, 15), MakeFlange(eightKana, 0, 0, 0).Name);
    // Half-width katakana (0xA1-0xDF) are single bytes.
    const std::string halfWidth(18, '\xb1');
    EXPECT_EQ(std::string(16, '\xb1'), MakeFlange(halfWidth, 0, 0, 0).Name);
    const std::string kanji = "\xe6\x9f\x88\xe6\x9f\x88\xe6\x9f\x88\xe6\x9f\x88\xe6\x9f\x88"
                              "\xe6\x9f\x88\xe6\x9f\x88\xe6\x9f\x88\xe6\x9f\x88";
    EXPECT_EQ(kanji.substr(0, 16), MakeFlange(kanji, 0, 0, 0).Name);
    const std::string extension =
        "x\xfa\x40\xfa\x40\xfa\x40\xfa\x40\xfa\x40\xfa\x40\xfa\x40\xfa\x40";
    EXPECT_EQ(extension.substr(0, 15), MakeFlange(extension, 0, 0, 0).Name);
    // A lead byte with no second byte is not half a character to keep.
    EXPECT_EQ("ab", MakeFlange("ab\x82", 0, 0, 0).Name);
}

TEST(CopyPolygon, CopiesEveryRecordOverWhatWasThere) {
    const TPolygon source = FlangedTriangle();
    TPolygon copy;
    CopyPolygon(source, copy);
    EXPECT_EQ(source, copy);

    TPolygon other = Shape({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    other.Flanges[3] = MakeFlange("old", 3, 1, 1);
    other.BendLines[1] = {MakeBendLine(0, 2)};
    CopyPolygon(source, other);
    EXPECT_EQ(source, other);
}

TEST(CopyPolygon, FlangesFollowVertexCountAndOldContentGoes) {
    TPolygon source = FlangedTriangle();
    source.Flanges.resize(1);
    TPolygon destination = Shape({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
    destination.Flanges[1] = MakeFlange("old", 3, 1, 1);
    destination.BendLines[0] = {MakeBendLine(0, 3), MakeBendLine(1, 4)};

    CopyPolygon(source, destination);
    EXPECT_EQ(source.Apexes, destination.Apexes);
    ASSERT_EQ(3u, destination.Flanges.size());
    EXPECT_EQ(TFlange{}, destination.Flanges[1]);
    EXPECT_EQ(TFlange{}, destination.Flanges[2]);
    EXPECT_EQ(source.BendLines, destination.BendLines);

    TPolygon longFlanges = FlangedTriangle();
    longFlanges.Flanges.push_back(MakeFlange("extra", 1, 1, 1));
    CopyPolygon(longFlanges, destination);
    ASSERT_EQ(3u, destination.Flanges.size());
    EXPECT_EQ("A1", destination.Flanges[1].Name);
}

TEST(CopyPolygonTbl, ResizesAndCopiesEveryShape) {
    const TPolygonTbl source = {FlangedTriangle(), Shape({{0, 0}, {1, 0}, {1, 1}, {0, 1}})};
    TPolygonTbl destination(5, FlangedTriangle());
    CopyPolygonTbl(source, destination);
    EXPECT_EQ(source, destination);

    TPolygonTbl emptied(2, FlangedTriangle());
    CopyPolygonTbl({}, emptied);
    EXPECT_TRUE(emptied.empty());
}

TEST(PagesWithShapes, ListsThePagesThatHoldAShapeInPageOrder) {
    EXPECT_EQ(PagesWithShapes({}), std::vector<int>());
    EXPECT_EQ(PagesWithShapes(TZvDat(3)), std::vector<int>());
    const TZvDat drawing = {{FlangedTriangle()}, {}, {Triangle(5), Triangle(6)}, {}};
    EXPECT_EQ(PagesWithShapes(drawing), (std::vector<int>{0, 2}));
}

TEST(IsValidBendLine, OnlyALineBetweenTwoDifferentVerticesCounts) {
    EXPECT_TRUE(IsValidBendLine(MakeBendLine(0, 2), 4));
    EXPECT_TRUE(IsValidBendLine(MakeBendLine(3, 0), 4));
    EXPECT_FALSE(IsValidBendLine(MakeBendLine(2, 2), 4));
    EXPECT_FALSE(IsValidBendLine(MakeBendLine(-1, 2), 4));
    EXPECT_FALSE(IsValidBendLine(MakeBendLine(0, 4), 4));
    EXPECT_FALSE(IsValidBendLine(MakeBendLine(0, 1), 0));
}

} // namespace
