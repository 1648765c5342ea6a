// The editor model's regular polygon command: the working shape replaced in
// one undo step about its centroid, or about the view's centre for a new
// outline, undo and redo giving back each shape exactly (flanges, names and
// fold lines included), and nothing done during a gesture or for a params a
// drawing file cannot hold.
#include "editor_model_fixture.h"

#include "geometry/plane_geometry.h"

namespace {

const TRegularPolygonParams Hexagon{6, 20, TRegularSize::SideLength, 0};
const TPointF ViewCentre{95, 138};

TPolygon FlangedSquareWithFold() {
    TPolygon square = Square(40, {20, 20});
    square.Flanges[1] = MakeFlange("A", 5, 0.5L, 0.7L);
    square.BendLines[0].push_back(TBendLine{0, 2});
    square.BendLines[1].push_back(TBendLine{1, 3});
    return square;
}

} // namespace

TEST_F(EditorModelTest, RegularPolygonReplacesTheShapeAboutItsCentroidInOneStep) {
    const TPolygon square = FlangedSquareWithFold();
    StartEditing(square);
    SelectPair(0, 1);
    const TSelApex selected = Model.SelApex();

    ASSERT_TRUE(Model.MakeRegularPolygon(Hexagon, ViewCentre));
    ASSERT_EQ(Model.ApexCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[i], Apexes()[(i + 1) % 6])), 20,
                    1e-9);
    TPointF centre;
    ASSERT_GT(PolygonCentroid(Apexes(), centre), 0);
    EXPECT_NEAR(static_cast<double>(centre.X), 40, 1e-9) << "the square's centroid";
    EXPECT_NEAR(static_cast<double>(centre.Y), 40, 1e-9);
    EXPECT_EQ(Working().Flanges, TDaFlange(6, TFlange())) << "flanges went with the old shape";
    EXPECT_TRUE(Working().BendLines[0].empty());
    EXPECT_TRUE(Working().BendLines[1].empty());
    EXPECT_EQ(Model.SelApex(), NoSelApex);
    EXPECT_EQ(Model.Mode(), emIdle);
    const TPolygon hexagon = Working();

    Model.Undo();
    EXPECT_EQ(Working(), square) << "one step gives the flanged square back";
    EXPECT_EQ(Model.SelApex(), selected);
    Model.Undo();
    EXPECT_EQ(Model.SelApex(), NoSelApex) << "the step before is the selection";
    Model.Redo();
    Model.Redo();
    EXPECT_EQ(Working(), hexagon);
    EXPECT_EQ(Model.SelApex(), NoSelApex);
}

// A new outline has no centroid: the polygon stands about the view's centre,
// and the outline is finished, so that undo takes it back to drawing.
TEST_F(EditorModelTest, RegularPolygonFinishesANewOutlineAboutTheViewCentre) {
    StartNew();
    Click({10, 10});
    Later();
    Model.MoveTo({30, 12}, false);
    const TPolygon drawing = Working();

    ASSERT_TRUE(Model.MakeRegularPolygon({3, 30, TRegularSize::Circumradius, 90}, ViewCentre));
    EXPECT_EQ(Model.Mode(), emIdle);
    ASSERT_EQ(Model.ApexCount(), 3);
    for (const TPointF& apex : Apexes())
        EXPECT_NEAR(static_cast<double>(PointDistance(apex, ViewCentre)), 30, 1e-9);
    TPolygon triangle;
    EXPECT_TRUE(Model.GetPolygon(triangle));

    Model.Undo();
    EXPECT_EQ(Model.Mode(), emDraw);
    EXPECT_EQ(Working().Apexes, drawing.Apexes) << "the placed vertex and the rubber band";
    Model.Redo();
    EXPECT_EQ(Model.Mode(), emIdle);
    EXPECT_EQ(Working(), triangle);

    // From the very first rubber band, with nothing placed.
    StartNew();
    ASSERT_TRUE(Model.MakeRegularPolygon(Hexagon, ViewCentre));
    Model.Undo();
    EXPECT_EQ(Model.Mode(), emDraw);
    EXPECT_EQ(Model.ApexCount(), 1);
}

TEST_F(EditorModelTest, RegularPolygonRefusedDuringAGestureOrBeyondTheFile) {
    StartEditing(Square(40, {20, 20}));
    const int entries = History().Count();
    Press({40, 40}); // inside, near the centroid: a move
    ASSERT_EQ(Model.Mode(), emMoveShape);
    EXPECT_FALSE(Model.MakeRegularPolygon(Hexagon, ViewCentre));
    Release();
    EXPECT_FALSE(Model.MakeRegularPolygon({6, 1e15L, TRegularSize::SideLength, 0}, ViewCentre))
        << "vertices no drawing file holds";
    EXPECT_FALSE(Model.MakeRegularPolygon({2, 20, TRegularSize::SideLength, 0}, ViewCentre));
    EXPECT_EQ(Working(), Square(40, {20, 20}));
    EXPECT_EQ(History().Count(), entries);
}
