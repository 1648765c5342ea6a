// Inserting and deleting vertices and fold lines with the vertex, flange and
// fold-line lists kept in step.
#include "editing/shape_edit.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TPolygon Square() {
    TPolygon square;
    square.Apexes = {PointF(0, 0), PointF(10, 0), PointF(10, 10), PointF(0, 10)};
    for (int i = 0; i < 4; ++i)
        square.Flanges.push_back(
            MakeFlange(std::string(1, static_cast<char>('A' + i)), i + 1, 1, 1));
    square.BendLines[0] = {MakeBendLine(0, 2)};
    return square;
}

} // namespace

TEST(ShapeEditTest, InsertedVertexKeepsFoldLinesOnTheirCorners) {
    TPolygon shape = Square();
    ASSERT_TRUE(InsertApex(shape, 2, PointF(10, 5), shape.Flanges[1]));
    EXPECT_EQ(shape.Apexes, TDaPointF({{0, 0}, {10, 0}, {10, 5}, {10, 10}, {0, 10}}));
    EXPECT_EQ(shape.Flanges[1], shape.Flanges[2]) << "both halves carry the old side's flange";
    EXPECT_EQ(shape.Flanges[3].Name, "C");
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(0, 3)}));

    ASSERT_TRUE(InsertApex(shape, 5, PointF(0, 5), TFlange()));
    EXPECT_EQ(shape.Apexes.back(), PointF(0, 5)) << "inserting at n appends";
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(0, 3)}));

    const TPolygon before = shape;
    EXPECT_FALSE(InsertApex(shape, -1, TPointF(), TFlange()));
    EXPECT_FALSE(InsertApex(shape, 7, TPointF(), TFlange()));
    EXPECT_EQ(shape, before);
}

TEST(ShapeEditTest, DeletedVertexTakesItsFlangeAndFoldLinesWithIt) {
    TPolygon shape = Square();
    InsertApex(shape, 2, PointF(10, 5), shape.Flanges[1]);
    ASSERT_TRUE(DeleteApex(shape, 2));
    EXPECT_EQ(shape, Square());

    // Lines at vertex 0 go; the set's last entry fills each gap.
    shape.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 3), MakeBendLine(0, 3),
                          MakeBendLine(2, 3)};
    shape.BendLines[1] = {MakeBendLine(0, 2)};
    ASSERT_TRUE(DeleteApex(shape, 0));
    EXPECT_EQ(shape.Apexes, TDaPointF({{10, 0}, {10, 10}, {0, 10}}));
    EXPECT_EQ(shape.Flanges[0].Name, "B");
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(1, 2), MakeBendLine(0, 2)}));
    EXPECT_TRUE(shape.BendLines[1].empty());

    const TPolygon before = shape;
    EXPECT_FALSE(DeleteApex(shape, 3));
    EXPECT_FALSE(DeleteApex(shape, -1));
    EXPECT_EQ(shape, before);
}

TEST(ShapeEditTest, ListOperationsPairFlangesWithVertices) {
    TPolygon shape = Square();
    shape.Flanges.resize(2);
    ASSERT_TRUE(InsertApex(shape, 4, PointF(0, 5), MakeFlange("N", 1, 1, 1)));
    ASSERT_EQ(shape.Flanges.size(), 5u);
    EXPECT_EQ(shape.Flanges[4].Name, "N");
    shape.Flanges.resize(9);
    ASSERT_TRUE(DeleteApex(shape, 0));
    EXPECT_EQ(shape.Flanges.size(), shape.Apexes.size());
}

TEST(ShapeEditTest, FoldLinesAreStoredSmallerFirstAndFoundSetOneFirst) {
    TPolygon shape = Square();
    shape.BendLines[0].clear();
    ASSERT_TRUE(AddBendLine(shape, 1, 3, 1));
    EXPECT_EQ(shape.BendLines[1], TDaBendLine({MakeBendLine(1, 3)}));
    EXPECT_FALSE(AddBendLine(shape, 2, 0, 2));
    EXPECT_FALSE(AddBendLine(shape, 0, 0, 4)) << "no vertex 4";
    EXPECT_FALSE(AddBendLine(shape, 0, -1, 2));

    TBendLinePos found;
    ASSERT_TRUE(FindBendLine(shape, 3, 1, found));
    EXPECT_EQ(found.Set, 1);
    EXPECT_EQ(found.Position, 0);
    AddBendLine(shape, 0, 1, 3);
    ASSERT_TRUE(FindBendLine(shape, 1, 3, found));
    EXPECT_EQ(found.Set, 0);

    shape.BendLines[0] = {MakeBendLine(2, 0)};
    EXPECT_FALSE(FindBendLine(shape, 0, 2, found)) << "stored larger first";
}

TEST(ShapeEditTest, RemovedFoldLineIsReplacedByTheLastOfItsSet) {
    TPolygon shape = Square();
    shape.BendLines[0] = {MakeBendLine(0, 2), MakeBendLine(1, 3), MakeBendLine(0, 1)};
    ASSERT_TRUE(RemoveBendLine(shape, 0, 0));
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(0, 1), MakeBendLine(1, 3)}));
    ASSERT_TRUE(RemoveBendLine(shape, 0, 1));
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(0, 1)}));
    EXPECT_FALSE(RemoveBendLine(shape, 0, 1));
    EXPECT_FALSE(RemoveBendLine(shape, 1, 0));
    EXPECT_FALSE(RemoveBendLine(shape, 5, 0));
}

TEST(ShapeEditTest, SplitSideInsertsItsMidpointWithTheSideFlange) {
    TPolygon shape = Square();
    ASSERT_EQ(SplitSide(shape, 1), 2);
    EXPECT_EQ(shape.Apexes, TDaPointF({{0, 0}, {10, 0}, {10, 5}, {10, 10}, {0, 10}}));
    EXPECT_EQ(shape.Flanges[1], Square().Flanges[1]);
    EXPECT_EQ(shape.Flanges[2], Square().Flanges[1]) << "both halves carry the old flange";
    EXPECT_EQ(shape.BendLines[0], TDaBendLine({MakeBendLine(0, 3)}));

    ASSERT_EQ(SplitSide(shape, 4), 5) << "the closing side appends";
    EXPECT_EQ(shape.Apexes[5], PointF(0, 5));
    EXPECT_EQ(shape.Flanges[5].Name, "D");

    const TPolygon before = shape;
    EXPECT_EQ(SplitSide(shape, -1), -1);
    EXPECT_EQ(SplitSide(shape, 6), -1);
    EXPECT_EQ(shape, before);
}

TEST(ShapeEditTest, ToggledFoldLineIsAddedMovedBetweenSetsAndRemoved) {
    TPolygon shape = Square(); // (0, 2) in set 1
    TBendLineToggle toggle = ToggleBendLine(shape, 0, 2, 0);
    EXPECT_TRUE(toggle.Removed);
    EXPECT_EQ(toggle.RemovedSet, 0);
    EXPECT_EQ(toggle.RemovedLine, MakeBendLine(0, 2));
    EXPECT_FALSE(toggle.Added) << "toggled in its own set it goes";
    EXPECT_TRUE(shape.BendLines[0].empty());

    toggle = ToggleBendLine(shape, 0, 3, 1);
    EXPECT_FALSE(toggle.Removed);
    EXPECT_TRUE(toggle.Added);
    EXPECT_EQ(toggle.AddedSet, 0);
    EXPECT_EQ(toggle.AddedLine, MakeBendLine(1, 3));

    toggle = ToggleBendLine(shape, 1, 1, 3);
    EXPECT_TRUE(toggle.Removed && toggle.Added) << "moved from set 1 to set 2";
    EXPECT_EQ(toggle.RemovedSet, 0);
    EXPECT_EQ(toggle.AddedSet, 1);
    EXPECT_TRUE(shape.BendLines[0].empty());
    EXPECT_EQ(shape.BendLines[1], TDaBendLine({MakeBendLine(1, 3)}));

    const TPolygon before = shape;
    for (const auto& [set, a, b] : {std::tuple{0, 2, 2}, {2, 0, 2}, {0, 0, 4}}) {
        toggle = ToggleBendLine(shape, set, a, b);
        EXPECT_FALSE(toggle.Removed || toggle.Added) << set << " " << a << "-" << b;
    }
    EXPECT_EQ(shape, before);
}
