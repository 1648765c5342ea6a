// Tests of the copy of a drawing taken in slices: however small the slices,
// the copy comes out whole and exact; a long shape is cut into parts; and a
// change of the drawing between slices spoils the copy.
#include "document/drawing_snapshot.h"

#include "common/shape_builders.h"

#include <gtest/gtest.h>

namespace {

// A page of small shapes, a page of none and a page with one long shape
// whose flanges carry names and whose fold lines are set.
TZvDat Mixed() {
    TZvDat drawing(3);
    for (int i = 0; i < 50; ++i)
        drawing[0].push_back(Square(5 + i, {i * 1.0L, 0}));
    TPolygon long_ = Square(1);
    for (int i = 0; i < 20000; ++i) {
        long_.Apexes.push_back(PointF(i * 0.5L, i % 7));
        long_.Flanges.push_back(MakeFlange(i % 3 == 0 ? "A" : "", i % 5, 0.5L, 0.25L));
    }
    long_.BendLines[1] = {MakeBendLine(0, 100), MakeBendLine(5, 19000)};
    drawing[2].push_back(long_);
    drawing[2].push_back(Triangle(4));
    return drawing;
}

TEST(DrawingSnapshot, SlicesMakeAWholeAndExactCopy) {
    const TZvDat drawing = Mixed();
    TDrawingSnapshot snapshot;
    snapshot.Start(7);
    int slices = 0;
    TDrawingSnapshot::TStep step = TDrawingSnapshot::TStep::Partial;
    // The clock is always up: every slice is as short as it can be.
    while (step == TDrawingSnapshot::TStep::Partial && slices < 1000) {
        step = snapshot.Step(drawing, 7, [] { return true; });
        ++slices;
    }
    ASSERT_EQ(step, TDrawingSnapshot::TStep::Complete);
    // Each small shape is a slice, the long one ten (20004 vertices and as
    // many flanges, 4096 elements a slice), and a last step finds it whole.
    EXPECT_EQ(slices, 50 + 10 + 1 + 1);
    EXPECT_EQ(snapshot.Take(), drawing);
    EXPECT_FALSE(snapshot.Started());

    // With time enough, one slice takes it all.
    snapshot.Start(7);
    EXPECT_EQ(snapshot.Step(drawing, 7, [] { return false; }), TDrawingSnapshot::TStep::Complete);
    EXPECT_EQ(snapshot.Take(), drawing);
}

TEST(DrawingSnapshot, AChangeBetweenSlicesSpoilsTheCopy) {
    TZvDat drawing = Mixed();
    TDrawingSnapshot snapshot;
    EXPECT_EQ(snapshot.Step(drawing, 1, [] { return true; }), TDrawingSnapshot::TStep::Spoiled)
        << "never started";
    snapshot.Start(1);
    EXPECT_EQ(snapshot.Step(drawing, 1, [] { return true; }), TDrawingSnapshot::TStep::Partial);
    drawing[0].pop_back();
    EXPECT_EQ(snapshot.Step(drawing, 2, [] { return true; }), TDrawingSnapshot::TStep::Spoiled);
    EXPECT_FALSE(snapshot.Started());
    EXPECT_EQ(snapshot.Take(), TZvDat()) << "nothing of the spoiled copy is kept";
}

} // namespace
