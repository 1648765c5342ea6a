// Tests of the pointer gestures on the sheet: selecting by click and rubber
// band, moving and rotating, the placement options alone and together, the
// pointer held on the grab point, the overlap warning and click-to-drag.
#include "sheet_fixture.h"

#include "geometry/overlap.h"
#include "geometry/plane_geometry.h"

#include <QImage>

namespace {

const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Grey(128, 128, 128);

const QString OverlapWarning = QStringLiteral(
    "図形の重なりを回避する指定になっていますが、選択した図形は既に重なった状態に有ります。"
    "このモードを解除し、手動で重複の解消を行って下さい。");

// p turned a quarter clockwise (on screen) about c.
TPointF QuarterTurn(const TPointF& p, const TPointF& c) {
    return PointF(c.X - (p.Y - c.Y), c.Y + (p.X - c.X));
}

TDaPointF QuarterTurned(const TDaPointF& points, const TPointF& c) {
    TDaPointF turned;
    for (const TPointF& p : points)
        turned.push_back(QuarterTurn(p, c));
    return turned;
}

TDaPointF Moved(const TDaPointF& points, long double dx, long double dy) {
    TDaPointF moved = points;
    for (TPointF& p : moved)
        p = PointF(p.X + dx, p.Y + dy);
    return moved;
}

const TPeiMovePolygon& LastMove(const TEditHistory& history) {
    return std::get<TPeiMovePolygon>(history.Items().back().Data);
}

// A channel 6 mm wide whose axis runs from (100, 50) at 4 degrees below the
// horizontal, its walls starting 25 mm along the axis, and a 40 by 4 mm bar
// lying level with its centre at (100, 50), short of the walls: level it
// cannot go in, turned a little it can.
TZvDat ChannelDrawing() {
    const long double slope = DegToRad(4);
    const auto point = [&](long double along, long double across) {
        return PointF(100 + along * std::cos(slope) - across * std::sin(slope),
                      50 + along * std::sin(slope) + across * std::cos(slope));
    };
    const auto wall = [&](long double across1, long double across2) {
        return Shape(
            {point(25, across1), point(125, across1), point(125, across2), point(25, across2)});
    };
    return {{Rect(40, 4, {80, 48}), wall(-23, -3), wall(3, 23)}};
}

} // namespace

using SheetDragTest = SheetFixture;

TEST_F(SheetDragTest, ClicksCtrlClicksAndRubberBandsSelect) {
    TPolygon flanged = Shape({PointF(20, 60), PointF(50, 60), PointF(20, 90)});
    flanged.Flanges[0] = MakeFlange("", 5, Pi / 2, Pi / 2); // 55 to 60 mm, above the top side
    Open({{Square(20, {10, 10}), Square(20, {50, 10}), flanged}});

    // A click near the outline starts a rotation; with no step taken the
    // release records a move of nothing.
    Click(At(12, 20));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({0}));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    ASSERT_EQ(Fm->EditHistory().Items().back().Kind, pkMovePolygon);
    EXPECT_EQ(MoveDelta(LastMove(Fm->EditHistory())), TDaPointF(4, PointF(0, 0)));
    EXPECT_FALSE(Fm->IsModified());
    EXPECT_TRUE(Fm->CurrentSelectionCopy().empty());

    Later();
    Click(At(60, 20), Qt::ControlModifier);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({0, 1}));

    // A Ctrl-click on a selected shape deselects it and drags nothing.
    Later();
    const int entries = Fm->EditHistory().Count();
    Click(At(20, 20), Qt::ControlModifier);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    EXPECT_EQ(Fm->EditHistory().Count(), entries + 1);
    EXPECT_EQ(Fm->EditHistory().Items().back().Kind, pkUnselect);

    // A band from an empty place; it is drawn grey while it follows the mouse.
    Later();
    Press(At(5, 50));
    EXPECT_TRUE(Fm->CurrentSelection().empty());
    EXPECT_EQ(Fm->CurrentDragState(), dsRubberBand);
    MoveTo(At(25, 66));
    EXPECT_EQ(Surface().pixelColor(At(5, 57)), Grey);
    Release(At(25, 66));
    EXPECT_EQ(Surface().pixelColor(At(5, 57)), White);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2}));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);

    // With Ctrl the band adds what it touches, each shape once.
    Later();
    Drag(At(5, 5), At(25, 70), 3, Qt::ControlModifier);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2, 0}));

    // A click on a flange, outside every outline, selects the flange's shape.
    Later();
    Click(At(35, 57.5L));
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({2}));
}

TEST_F(SheetDragTest, NearTheCentroidMovesFartherOutRotates) {
    Open({{Square(20, {50, 50})}});
    // The move radius of a 20 mm square is sqrt(400 / 2 pi) = 7.98 mm.
    Press(At(62, 62));
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    MoveTo(At(72, 66));
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {60, 54}).Apexes);
    EXPECT_TRUE(Fm->IsModified());
    // The dragged shape is drawn in not-xor, blue over the white page; the old
    // place is white again.
    const QImage during = Surface();
    EXPECT_EQ(during.pixelColor(At(70, 54)), Blue);
    EXPECT_EQ(during.pixelColor(At(50, 60)), White);
    Later();
    Release(At(72, 66));
    EXPECT_EQ(MoveDelta(LastMove(Fm->EditHistory())), TDaPointF(4, PointF(10, 4)));

    // 8 mm from the centroid (70, 64): a quarter turn clockwise.
    Later();
    Press(At(78, 64));
    EXPECT_EQ(Fm->CurrentDragState(), dsRotate);
    MoveTo(At(70, 72));
    Release(At(70, 72));
    ExpectNearPoints(ShapeAt(0).Apexes, QuarterTurned(Square(20, {60, 54}).Apexes, PointF(70, 64)));
}

TEST_F(SheetDragTest, RotationTurnsTheWholeSelectionAboutItsWeightedCentroid) {
    const TPolygon large = Square(20, {20, 100}); // area 400, centroid (30, 110)
    const TPolygon small = Square(10, {60, 100}); // area 100, centroid (65, 105)
    Open({{large, small}});
    Click(At(26, 110));
    Later();
    Click(At(65, 105), Qt::ControlModifier);
    ASSERT_EQ(Fm->CurrentSelection(), TDaInt({0, 1}));

    // The selection's centroid is (37, 109); from (38, 110) round to (36, 110)
    // is a quarter turn clockwise.
    Later();
    Press(At(38, 110));
    ASSERT_EQ(Fm->CurrentDragState(), dsRotate);
    MoveTo(At(36, 110));
    Release(At(36, 110));
    ExpectNearPoints(ShapeAt(0).Apexes, QuarterTurned(large.Apexes, PointF(37, 109)));
    ExpectNearPoints(ShapeAt(1).Apexes, QuarterTurned(small.Apexes, PointF(37, 109)));
}

TEST_F(SheetDragTest, WithWallCheckTheShapeStopsShortOfTheBorder) {
    const TPolygon square = Square(20, {120, 100});
    Open({{square}});
    Trigger("WallChkMi");
    ASSERT_TRUE(Item("WallChkMi")->isChecked());

    // Right in 4 mm steps: at 32 mm the right side would cross the border.
    Press(At(130, 110));
    for (int step = 1; step <= 10; ++step)
        MoveTo(At(130 + 4 * step, 110));
    Release(At(170, 110));
    ExpectNearPoints(ShapeAt(0).Apexes, Moved(square.Apexes, 28, 0));
    // The pointer was sent back to where the shape was grabbed.
    EXPECT_EQ(PointerSentTo(), At(158, 110));

    // One step long enough to carry the whole shape past the border.
    Later();
    Press(At(158, 110));
    MoveTo(At(258, 110));
    Release(At(258, 110));
    ExpectNearPoints(ShapeAt(0).Apexes, Moved(square.Apexes, 28, 0));

    // Without the check the shape leaves the page.
    Trigger("WallChkMi");
    Later();
    Press(At(158, 110));
    MoveTo(At(258, 110));
    Release(At(258, 110));
    ExpectNearPoints(ShapeAt(0).Apexes, Moved(square.Apexes, 128, 0));
}

TEST_F(SheetDragTest, WithOverlapCheckTheShapeRefusesToMoveOntoAnother) {
    const TPolygon moving = Square(20, {20, 20});
    const TPolygon standing = Square(20, {60, 20});
    Open({{moving, standing}});

    // Without the check it goes onto the other.
    Drag(At(30, 30), At(56, 30));
    ExpectNearPoints(ShapeAt(0).Apexes, Moved(moving.Apexes, 26, 0));
    EXPECT_TRUE(Cursor.SentTo.empty());
    Later();
    Drag(At(56, 30), At(30, 30));

    Trigger("PorigonCrossChkMi");
    Later();
    Press(At(30, 30));
    MoveTo(At(52, 30));
    ExpectNearPoints(ShapeAt(0).Apexes, moving.Apexes);
    EXPECT_EQ(PointerSentTo(), At(30, 30));
    // The move the pointer's return makes sees no displacement.
    MoveTo(PointerSentTo());
    ExpectNearPoints(ShapeAt(0).Apexes, moving.Apexes);
    MoveTo(At(36, 34));
    ExpectNearPoints(ShapeAt(0).Apexes, Moved(moving.Apexes, 6, 4));
    Release(At(36, 34));
    EXPECT_EQ(MoveDelta(LastMove(Fm->EditHistory())), TDaPointF(4, PointF(6, 4)));
}

TEST_F(SheetDragTest, WithAutoRotateTheShapeArrivesTurnedInTheGap) {
    for (const bool allOptions : {false, true}) {
        SCOPED_TRACE(allOptions ? "all options" : "overlap check and auto-rotate");
        SetUp();
        Cursor.SentTo.clear();
        Open(ChannelDrawing());
        if (allOptions) {
            Trigger("AllMi");
            ASSERT_TRUE(Item("WallChkMi")->isChecked());
        } else {
            Trigger("PorigonCrossChkMi");
            Trigger("AutoRotateMi");
        }
        ASSERT_TRUE(Item("AutoRotateMi")->isChecked());

        Press(At(100, 50));
        ASSERT_EQ(Fm->CurrentDragState(), dsMove);
        MoveTo(At(120, 50));
        Release(At(120, 50));
        const TPolygon& bar = ShapeAt(0);
        const long double turn = PointDirection(bar.Apexes[0], bar.Apexes[1]);
        EXPECT_GT(turn, DegToRad(0.5L));
        EXPECT_LT(turn, DegToRad(8));
        TPointF contact;
        EXPECT_FALSE(PolygonHitsOthers(Fm->CurrentDrawing()[0], 0, bar, contact));
        EXPECT_GT(bar.Apexes[1].X, 125); // its front end went in between the walls
        EXPECT_FALSE(Cursor.SentTo.empty());
    }
}

TEST_F(SheetDragTest, GrabbingAShapeThatAlreadyOverlapsIsRefusedWithAWarning) {
    Open({{Square(20, {20, 20}), Square(20, {30, 30})}});
    Click(At(45, 45));
    ASSERT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    Trigger("PorigonCrossChkMi");
    Later();
    const int entries = Fm->EditHistory().Count();

    Press(At(25, 25));
    ASSERT_EQ(Prompt.Warnings.size(), 1u);
    EXPECT_EQ(Prompt.Warnings[0].Text, OverlapWarning);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({1}));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    MoveTo(At(30, 25));
    Release(At(30, 25));
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {20, 20}).Apexes);
    EXPECT_EQ(Fm->EditHistory().Count(), entries);
}

TEST_F(SheetDragTest, InClickToDragModeTheNextPressDropsTheShape) {
    Open({{Square(20, {50, 50})}});
    Trigger("ClickDragMi");
    Click(At(60, 60));
    EXPECT_EQ(Fm->CurrentDragState(), dsMove);
    const int entries = Fm->EditHistory().Count();

    MoveTo(At(70, 64), Qt::NoButton);
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {60, 54}).Apexes);
    Later();
    Press(At(70, 64), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    ASSERT_EQ(Fm->EditHistory().Count(), entries + 1);
    EXPECT_EQ(MoveDelta(LastMove(Fm->EditHistory())), TDaPointF(4, PointF(10, 4)));
    Release(At(70, 64), Qt::NoModifier, Qt::RightButton);
    MoveTo(At(90, 90), Qt::NoButton);
    ExpectNearPoints(ShapeAt(0).Apexes, Square(20, {60, 54}).Apexes);
    EXPECT_EQ(Fm->EditHistory().Count(), entries + 1);

    // A rubber band still ends with its release.
    Later();
    Drag(At(5, 5), At(100, 100));
    EXPECT_EQ(Fm->CurrentDragState(), dsIdle);
    EXPECT_EQ(Fm->CurrentSelection(), TDaInt({0}));
}
