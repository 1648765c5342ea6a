// The shape editor's model over one editing run: the entry points the sheet
// uses, restoring the shape handed in, and the mouse: drawing an outline,
// picking, dragging, moving and turning the shape, each gesture one undo step.
#include "editor_model_fixture.h"

#include "geometry/plane_geometry.h"

#include <variant>

namespace {

const TPolygon Square40 = Square(40, {20, 20}); // (20, 20) to (60, 60)

void ExpectApexesNear(const TDaPointF& actual, const TDaPointF& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].X), static_cast<double>(expected[i].X), 1e-9)
            << "vertex " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Y), static_cast<double>(expected[i].Y), 1e-9)
            << "vertex " << i;
    }
}

} // namespace

TEST_F(EditorModelTest, NewPolygonStartsAnOutlineThatGivesNoShapeBack) {
    EXPECT_EQ(Model.ApexCount(), 1);
    EXPECT_EQ(Model.Mode(), emIdle);

    Model.SetPolygon(Square40);
    Model.NewPolygon();
    EXPECT_EQ(Model.Mode(), emDraw);
    EXPECT_EQ(Model.ApexCount(), 1);
    EXPECT_EQ(Apexes()[0], PointF(0, 0));
    EXPECT_EQ(Working().Flanges, TDaFlange(1));
    EXPECT_EQ(Model.SelApex(), NoSelApex);

    TPolygon out = Shape({{1, 2}});
    EXPECT_FALSE(Model.GetPolygon(out));
    EXPECT_EQ(out, Shape({{1, 2}})) << "a refused shape leaves the output alone";
}

TEST_F(EditorModelTest, SetPolygonEditsACopyThatGetPolygonHandsBack) {
    TPolygon shape = Square40;
    shape.Flanges[1] = MakeFlange("A", 5, 0.5L, 0.5L);
    shape.BendLines[0].push_back(MakeBendLine(0, 2));
    Model.SetPolygon(shape);
    EXPECT_EQ(Model.Mode(), emIdle);
    EXPECT_EQ(Model.ApexCount(), 4);

    TPolygon out;
    ASSERT_TRUE(Model.GetPolygon(out));
    EXPECT_EQ(out, shape);
    out.Apexes[0].X = 99;
    EXPECT_EQ(Working(), shape) << "the shape handed back is a copy";
}

TEST_F(EditorModelTest, EachRunStartsWithAnEmptyHistory) {
    Model.SetPolygon(Square40);
    ASSERT_GT(History().Count(), 0) << "loading the shape records entries";
    Model.StartRun();
    EXPECT_EQ(History().Count(), 0);
    EXPECT_TRUE(Model.Undo());
    EXPECT_EQ(Working(), Square40) << "an immediate undo changes nothing";
}

TEST_F(EditorModelTest, RestoreBringsBackTheShapeHandedInAndClearsTheHistory) {
    StartNew();
    EXPECT_FALSE(Model.HasOriginal());
    EXPECT_FALSE(Model.Restore());
    EXPECT_EQ(Model.Mode(), emDraw) << "nothing handed in: restore does nothing";

    Model.SetPolygon(Square40);
    EXPECT_TRUE(Model.HasOriginal());
    Model.NewPolygon();
    EXPECT_TRUE(Model.HasOriginal()) << "a new outline keeps the shape handed in";

    Click({30, 30});
    Later();
    Click({50, 30});
    ASSERT_GT(History().Count(), 0);
    EXPECT_TRUE(Model.Restore());
    EXPECT_EQ(Working(), Square40);
    EXPECT_EQ(Model.Mode(), emIdle);
    EXPECT_EQ(History().Count(), 0);
    Model.Undo();
    EXPECT_EQ(Working(), Square40);
}

TEST_F(EditorModelTest, ViewIsCentredOnTheCentroidOfAShapeWithArea) {
    StartEditing(Shape({{90, 140}, {110, 140}, {110, 160}, {90, 160}}));
    EXPECT_EQ(Model.ViewCentre(), PointF(100, 150));
    StartEditing(Shape({{10, 10}, {20, 10}, {30, 10}}));
    EXPECT_EQ(Model.ViewCentre(), PointF(0, 0)) << "no area, no centroid";
    StartNew();
    EXPECT_EQ(Model.ViewCentre(), PointF(0, 0));
}

TEST_F(EditorModelTest, TriangleIsDrawnVertexByVertexAndFinishedNearTheLastOne) {
    StartNew();
    Click({10, 10});
    Later();
    Click({40, 10});
    Later();
    Click({40, 40});
    EXPECT_EQ(Model.Mode(), emDraw);
    EXPECT_EQ(Model.ApexCount(), 4) << "three placed and the rubber band";
    Later();
    Click({41, 40});

    EXPECT_EQ(Model.Mode(), emIdle);
    EXPECT_EQ(Apexes(), TDaPointF({{10, 10}, {40, 10}, {40, 40}}));
    EXPECT_EQ(Working().Flanges, TDaFlange(3));
    EXPECT_EQ(Kinds(History()),
              std::vector<TPeiKind>({pkInsertApex, pkInsertApex, pkInsertApex, pkDrawMode}));
    const auto& third = std::get<TPeiApex>(History().Items()[2].Data);
    EXPECT_EQ(third.Index, 2);
    EXPECT_EQ(third.Point, PointF(40, 40));
    TPolygon out;
    EXPECT_TRUE(Model.GetPolygon(out));
}

TEST_F(EditorModelTest, PressNearTheLastVertexWithOnlyTwoPlacedPlacesAThird) {
    StartNew();
    Click({10, 10});
    Click({40, 10});
    Click({41, 10});
    EXPECT_EQ(Model.Mode(), emDraw);
    EXPECT_EQ(Model.ApexCount(), 4);
    EXPECT_EQ(Apexes()[2], PointF(41, 10));
}

// What the status line shows while drawing and dragging.
TEST_F(EditorModelTest, MovesMeasureTheSideBeingDrawnAndTheSidesOfADraggedVertex) {
    StartNew();
    TMoveStep step = Model.MoveTo({5, 5}, false);
    EXPECT_TRUE(step.Changed) << "the rubber band follows";
    EXPECT_EQ(step.LengthCount, 0) << "nothing placed yet";
    Click({12.5L, 12.5L});
    step = Model.MoveTo({12.5L, 30}, false);
    ASSERT_EQ(step.LengthCount, 1);
    EXPECT_EQ(step.Lengths[0], 17.5L);
    EXPECT_EQ(Apexes().back(), PointF(12.5L, 30));

    StartEditing(Square40);
    EXPECT_FALSE(Model.MoveTo({30, 30}, false).Changed) << "no gesture";
    Press({60, 20});
    step = Model.MoveTo({60, 25}, false);
    ASSERT_EQ(step.LengthCount, 2);
    EXPECT_NEAR(static_cast<double>(step.Lengths[0]), 40.311289, 1e-6) << "to vertex 0";
    EXPECT_EQ(step.Lengths[1], 35) << "to vertex 2";
}

TEST_F(EditorModelTest, PressPicksTheLowerOfTwoEquallyNearVertices) {
    StartEditing(Shape({{20, 20}, {60, 20}, {60, 60}, {20, 22}}));
    Press({20, 21});
    EXPECT_EQ(Model.SelApex(), TSelApex({-1, 0}));
    EXPECT_TRUE(Model.SelFlags().OneApex);
    EXPECT_EQ(Model.Mode(), emDragApex);
    Release();
    EXPECT_EQ(Model.Mode(), emIdle);
}

TEST_F(EditorModelTest, KeptCurrentVertexBecomesTheOtherEnd) {
    StartEditing(Square40);
    Click({20, 60});
    Click({20, 20}, true);
    EXPECT_EQ(Model.SelApex(), TSelApex({3, 0}));
    EXPECT_TRUE(Model.SelFlags().SideFwd);
    EXPECT_EQ(Model.Mode(), emIdle) << "a pair is not dragged";

    Click({20, 20}, true);
    EXPECT_EQ(Model.SelApex(), TSelApex({0, 0}));
    EXPECT_TRUE(Model.SelFlags().TwoApex);
    EXPECT_FALSE(Model.SelFlags().IsSide());

    Click({60, 20});
    Click({20, 60}, true);
    EXPECT_EQ(Model.SelApex(), TSelApex({1, 3}));
    EXPECT_TRUE(Model.SelFlags().IsDiagonal());
}

TEST_F(EditorModelTest, PressOnASidePutsTheNearerEndInSlotOne) {
    StartEditing(Square40);
    Click({30, 20});
    EXPECT_EQ(Model.SelApex(), TSelApex({1, 0}));
    EXPECT_TRUE(Model.SelFlags().SideBwd);
    Click({40, 20}); // the middle: the side's second end
    EXPECT_EQ(Model.SelApex(), TSelApex({0, 1}));
    EXPECT_TRUE(Model.SelFlags().SideFwd);

    Click({100, 100});
    EXPECT_EQ(Model.SelApex(), NoSelApex);
    EXPECT_TRUE(Model.SelFlags().NoApex);
}

TEST_F(EditorModelTest, PressNearTheCentreMovesAndFartherOutRotates) {
    // 100 mm square: half its area lies within 39.894 mm of the centre (60, 60).
    StartEditing(Shape({{10, 10}, {110, 10}, {110, 110}, {10, 110}}));
    Distances = PickDistancesAt(20);
    Press({99.8L, 60});
    EXPECT_EQ(Model.Mode(), emMoveShape);
    Release();
    EXPECT_EQ(Model.Mode(), emIdle);
    Press({99.9L, 60});
    EXPECT_EQ(Model.Mode(), emRotateShape);
    Release();
    EXPECT_EQ(History().Count(), 0) << "presses that move nothing record nothing";
}

TEST_F(EditorModelTest, PressOnFewerThanThreeVerticesPicksNothing) {
    StartEditing(Shape({{20, 20}, {60, 20}}));
    EXPECT_FALSE(Model.Press({20, 20}, false, Distances));
    EXPECT_EQ(Model.SelApex(), NoSelApex);
    EXPECT_EQ(Model.Mode(), emIdle);
}

TEST_F(EditorModelTest, DraggedVertexIsOneUndoStepAfterItsSelection) {
    StartEditing(Square40);
    Press({60, 20});
    Later();
    Move({60, 25});
    Release();
    EXPECT_EQ(Apexes()[1], PointF(60, 25));
    EXPECT_EQ(Kinds(History()), std::vector<TPeiKind>({pkChangeSelApex, pkMoveApex}));

    Model.Undo();
    EXPECT_EQ(Working(), Square40);
    EXPECT_EQ(Model.SelApex(), TSelApex({-1, 1}));
    Model.Redo();
    EXPECT_EQ(Apexes()[1], PointF(60, 25));
    Model.Undo();
    Model.Undo();
    EXPECT_EQ(Model.SelApex(), NoSelApex);
    EXPECT_FALSE(Model.SelFlags().OneApex) << "the flags follow an undone selection";
}

TEST_F(EditorModelTest, DragThatEndsWhereItBeganRecordsNoMove) {
    StartEditing(Square40);
    Press({60, 20});
    Move({70, 30});
    Move({60, 20});
    Release();
    EXPECT_EQ(Working(), Square40);
    EXPECT_EQ(Kinds(History()), std::vector<TPeiKind>({pkChangeSelApex}));
}

TEST_F(EditorModelTest, FixedSideLengthDragMovesTheNeighboursAndUndoesAsOneStep) {
    StartEditing(Square40);
    Press({60, 60});
    Later();
    Move({62, 59}, true);
    Release();

    EXPECT_EQ(Apexes()[2], PointF(62, 59));
    EXPECT_EQ(Apexes()[0], PointF(20, 20)) << "the opposite vertex stays";
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(static_cast<double>(PointDistance(Apexes()[i], Apexes()[(i + 1) % 4])), 40,
                    1e-9);
    EXPECT_EQ(Kinds(History()), std::vector<TPeiKind>({pkChangeSelApex, pkMoveApex}))
        << "the selection, then the three moved vertices together";

    Model.Undo();
    ExpectApexesNear(Apexes(), Square40.Apexes);
}

TEST_F(EditorModelTest, MovingAndTurningTheShapeAreOneStepEach) {
    StartEditing(Square40);
    Press({40, 40});
    ASSERT_EQ(Model.Mode(), emMoveShape);
    Move({45, 42});
    Move({50, 45});
    Release();
    EXPECT_EQ(Apexes(), TDaPointF({{30, 25}, {70, 25}, {70, 65}, {30, 65}}));
    EXPECT_EQ(Kinds(History()), std::vector<TPeiKind>({pkMoveApex}));
    Model.Undo();
    EXPECT_EQ(Working(), Square40);
    Model.Redo();
    EXPECT_EQ(Apexes()[0], PointF(30, 25));
    Model.Undo();

    Later();
    Press({57, 40}); // 17 mm from the centre, 3 mm from the nearest side
    ASSERT_EQ(Model.Mode(), emRotateShape);
    Move({40, 57}); // a quarter turn clockwise as seen
    Release();
    ExpectApexesNear(Apexes(), {{60, 20}, {60, 60}, {20, 60}, {20, 20}});
    Model.Undo();
    ExpectApexesNear(Apexes(), Square40.Apexes);
}

TEST_F(EditorModelTest, UndoingTheFinishBringsBackARubberBandThatCanBePut) {
    StartNew();
    Click({10, 10});
    Later();
    Click({40, 10});
    Later();
    Click({40, 40});
    Later();
    Click({41, 40});
    ASSERT_EQ(Model.ApexCount(), 3);
    EXPECT_FALSE(Model.PutRubberBand({30, 50})) << "no outline is being drawn";

    Model.Undo();
    EXPECT_EQ(Model.Mode(), emDraw);
    EXPECT_EQ(Apexes(), TDaPointF({{10, 10}, {40, 10}, {40, 40}, {40, 40}}));
    EXPECT_TRUE(Model.PutRubberBand({30, 50}));
    EXPECT_EQ(Apexes().back(), PointF(30, 50));
    Model.Redo();
    EXPECT_EQ(Model.Mode(), emIdle);
    EXPECT_EQ(Apexes(), TDaPointF({{10, 10}, {40, 10}, {40, 40}}));

    Model.Undo();
    Model.Undo(); // the third vertex placed
    EXPECT_EQ(Apexes().size(), 3u);
    EXPECT_EQ(Model.LastPoint(), PointF(40, 10)) << "Shift aligns with the vertex placed last";
}

TEST_F(EditorModelTest, UndoWaitsUntilTheGestureIsReleased) {
    StartEditing(Square40);
    Drag({60, 20}, {60, 30});
    Later();
    Press({60, 30}); // the same vertex again: nothing new to record yet
    Move({60, 35});
    EXPECT_FALSE(Model.Undo());
    EXPECT_EQ(Apexes()[1], PointF(60, 35)) << "the earlier drag stays";
    EXPECT_FALSE(Model.Redo());
    Release();
    EXPECT_EQ(Apexes()[1], PointF(60, 35));
    Model.Undo();
    EXPECT_EQ(Apexes()[1], PointF(60, 30));
    Model.Undo();
    EXPECT_EQ(Working(), Square40);
}

TEST_F(EditorModelTest, UndoNeverLeavesTheSelectionNamingAMissingVertex) {
    StartEditing(Square40);
    Click({20, 60});
    Later();
    Model.NewPolygon();
    ASSERT_EQ(Model.ApexCount(), 1);
    Model.Undo(); // the slots come back, the square does not
    EXPECT_EQ(Model.Mode(), emIdle);
    EXPECT_EQ(Model.SelApex(), NoSelApex);
    EXPECT_FALSE(Model.SelFlags().OneApex);
}
