// Undo entries that hold only what a command changed: a shape's edit as the
// stretch or the elements that differ, vertex moves as a shift or the moved
// positions, flange changes field by field; each undone and redone to the
// last bit.
#include "common/shape_builders.h"
#include "history/apex_moves.h"
#include "history/flange_changes.h"
#include "history/polygon_change.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

// A shape of count vertices along a slanted line, each side flanged.
TPolygon Long(int count) {
    TPolygon shape;
    for (int i = 0; i < count; ++i) {
        shape.Apexes.push_back(PointF(i * 0.1L, i * 0.3L));
        shape.Flanges.push_back(MakeFlange("", 1 + i % 3, 0.5L, 0.5L));
    }
    return shape;
}

// Equal and with the same sign bits, which == does not tell apart.
void ExpectSameBits(const TPolygon& actual, const TPolygon& expected) {
    ASSERT_EQ(actual, expected);
    for (std::size_t i = 0; i < actual.Apexes.size(); ++i) {
        EXPECT_EQ(std::signbit(actual.Apexes[i].X), std::signbit(expected.Apexes[i].X)) << i;
        EXPECT_EQ(std::signbit(actual.Apexes[i].Y), std::signbit(expected.Apexes[i].Y)) << i;
    }
    for (std::size_t i = 0; i < actual.Flanges.size(); ++i)
        EXPECT_EQ(std::signbit(actual.Flanges[i].Width), std::signbit(expected.Flanges[i].Width))
            << i;
}

struct TEditCase {
    const char* Name;
    std::function<void(TPolygon&)> Edit;
};

} // namespace

TEST(PolygonChangeTest, EveryKindOfEditIsUndoneAndRedoneExactly) {
    const std::vector<TEditCase> cases{
        {"one vertex moved", [](TPolygon& s) { s.Apexes[3].X += 1e-9L; }},
        {"zero turned to minus zero", [](TPolygon& s) { s.Apexes[0].X = -0.0L; }},
        {"a flange's name", [](TPolygon& s) { s.Flanges[5].Name = "A"; }},
        {"vertex inserted in the middle",
         [](TPolygon& s) {
             s.Apexes.insert(s.Apexes.begin() + 4, PointF(7, 7));
             s.Flanges.insert(s.Flanges.begin() + 4, MakeFlange("N", 2, 1, 1));
         }},
        {"first vertex deleted",
         [](TPolygon& s) {
             s.Apexes.erase(s.Apexes.begin());
             s.Flanges.erase(s.Flanges.begin());
         }},
        {"last vertex deleted",
         [](TPolygon& s) {
             s.Apexes.pop_back();
             s.Flanges.pop_back();
         }},
        {"a vertex equal to its neighbour inserted",
         [](TPolygon& s) {
             s.Apexes.insert(s.Apexes.begin() + 2, s.Apexes[2]);
             s.Flanges.insert(s.Flanges.begin() + 2, s.Flanges[2]);
         }},
        {"a flange record added", [](TPolygon& s) { s.Flanges.push_back(TFlange()); }},
        {"fold line added", [](TPolygon& s) { s.BendLines[1].push_back(MakeBendLine(0, 4)); }},
        {"everything", [](TPolygon& s) { s = Square(3); }},
    };
    for (const TEditCase& edit : cases) {
        SCOPED_TRACE(edit.Name);
        const TPolygon before = Long(10);
        TPolygon after = before;
        edit.Edit(after);
        const TPolygonChange change(before, after);

        TPolygon shape = after;
        ASSERT_TRUE(change.Apply(shape, true));
        ExpectSameBits(shape, before);
        ASSERT_TRUE(change.Apply(shape, false));
        ExpectSameBits(shape, after);
    }
}

TEST(PolygonChangeTest, AShapeOfAnotherSizeIsLeftAlone) {
    const TPolygon before = Long(6);
    TPolygon after = before;
    after.Apexes.pop_back();
    after.Flanges.pop_back();
    const TPolygonChange change(before, after);
    TPolygon other = Long(6);
    EXPECT_FALSE(change.Apply(other, true)) << "undo expects the shape with five vertices";
    EXPECT_EQ(other, Long(6));
    other = after;
    EXPECT_FALSE(change.Apply(other, false)) << "redo expects the shape with six";
    EXPECT_EQ(other, after);
}

TEST(ListChangeTest, KeepsOnlyTheElementsThatDiffer) {
    std::vector<std::string> before(100000, "x");
    std::vector<std::string> after = before;
    after[17] = "y";
    after[99999] = "z";
    const auto same = [](const std::string& a, const std::string& b) { return a == b; };
    const auto at = [](const std::vector<std::string>& list, std::size_t i) { return list[i]; };
    const auto change = TListChange<std::string>::Of(before, after, at, same);
    EXPECT_EQ(change.Positions, (std::vector<std::int32_t>{17, 99999}));
    EXPECT_EQ(change.Old, (std::vector<std::string>{"x", "x"}));

    const auto every = TListChange<std::string>::Of(std::vector<std::string>{"a", "b"},
                                                    std::vector<std::string>{"c", "d"}, at, same);
    EXPECT_TRUE(every.Positions.empty()) << "every element replaced: no positions";
    std::vector<std::string> list{"c", "d"};
    every.Apply(list, true,
                [](std::vector<std::string>& l, std::size_t i, const std::string& v) { l[i] = v; });
    EXPECT_EQ(list, (std::vector<std::string>{"a", "b"}));
}

TEST(FlangeChangesTest, AResizeKeepsTheWidthsAlone) {
    const TDaFlange before = Long(50).Flanges;
    TDaFlange after = before;
    for (TFlange& flange : after)
        flange.Width *= 1.25L;
    const TFlangeChanges changes = FlangeChangesOf(before, after);
    EXPECT_EQ(changes.Widths.New.size(), 50u);
    EXPECT_TRUE(changes.Angles1.Empty());
    EXPECT_TRUE(changes.Angles2.Empty());
    EXPECT_TRUE(changes.Names.Empty());

    TDaFlange flanges = after;
    ApplyFlangeChanges(flanges, changes, true);
    EXPECT_EQ(flanges, before);
    flanges.resize(10);
    ApplyFlangeChanges(flanges, changes, false);
    EXPECT_EQ(flanges, TDaFlange(after.begin(), after.begin() + 10)) << "missing sides passed over";
}

TEST(ApexMovesTest, AShiftThatGoesBackExactlyIsKeptAlone) {
    struct TCase {
        const char* Name;
        TPointF Shift;
        long double FirstY;
        bool PositionsKept;
    };
    // 0.1 added to a position and taken away again can miss it by a unit in
    // the last place; whole millimetres added to quarter millimetres do not.
    const std::vector<TCase> cases{
        {"whole millimetres", PointF(10, -4), 1, false},
        {"a shift that rounds", PointF(0.1L, 0.7L), 1, true},
        // -0 - 4 + 4 is +0: the sign bit would be lost.
        {"a vertex at minus zero", PointF(10, -4), -0.0L, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDaPointF before;
        for (int i = 0; i < 1000; ++i)
            before.push_back(PointF(i * 0.25L, i == 0 ? c.FirstY : i * 0.5L));
        TDaPointF after = before;
        for (TPointF& apex : after)
            apex = PointF(apex.X + c.Shift.X, apex.Y + c.Shift.Y);
        const TApexMoves moves = ApexMovesOf(before, after, false);
        EXPECT_EQ(moves.Moved(), 1000u);
        EXPECT_EQ(moves.Before.empty(), !c.PositionsKept);
        EXPECT_TRUE(moves.Indices.empty());

        TDaPointF apexes = after;
        ApplyApexMoves(apexes, moves, true);
        EXPECT_EQ(apexes, before);
        ApplyApexMoves(apexes, moves, false);
        EXPECT_EQ(apexes, after);
    }
}

TEST(ApexMovesTest, OnlyTheMovedVerticesAreKeptAndAShapeMovedSinceIsShifted) {
    const TDaPointF before = Long(1000).Apexes;
    TDaPointF after = before;
    after[10] = PointF(1.1L, 2.2L);
    after[500] = PointF(-3, 4);
    const TApexMoves moves = ApexMovesOf(before, after, true);
    EXPECT_EQ(moves.Indices, (std::vector<std::int32_t>{10, 500}));
    EXPECT_LE(moves.Before.size(), 2u);

    TDaPointF moved = after;
    moved[10].X += 1;
    ApplyApexMoves(moved, moves, true);
    EXPECT_NEAR(static_cast<double>(moved[10].X), static_cast<double>(before[10].X + 1), 1e-15)
        << "found elsewhere: shifted by its difference";
    EXPECT_EQ(moved[500], before[500]);

    EXPECT_EQ(ApexMovesOf(before, before, true).Moved(), 0u);
    EXPECT_EQ(ApexMovesOf(before, TDaPointF(3), false).Moved(), 0u) << "counts differ";
}
