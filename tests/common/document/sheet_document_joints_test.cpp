// Tests of the sheet document's joint commands: join, unjoin and moving a
// tab, on one shape and across pages, refused where there is nothing to do,
// each one step that undo takes back bit for bit; and a box net joined pair by
// pair until the check finds every joint complete.
#include "document/sheet_document.h"

#include "common/exact_compare.h"
#include "common/shape_builders.h"
#include "document/flange_partners.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const TFlange Tab = MakeFlange("", 4, Pi / 4, Pi / 3);

TPolygon Named(TPolygon shape, int side, const std::string& name, long double width = 0) {
    shape.Flanges[side] = MakeFlange(name, width, Pi / 2, Pi / 2);
    return shape;
}

bool SameFlangeBits(const TFlange& a, const TFlange& b) {
    return SameBits(a.Width, b.Width) && SameBits(a.Angle1, b.Angle1) &&
           SameBits(a.Angle2, b.Angle2) && a.Name == b.Name;
}

testing::AssertionResult SameDrawingBits(const TZvDat& actual, const TZvDat& expected) {
    if (actual.size() != expected.size())
        return testing::AssertionFailure() << "the pages differ";
    for (std::size_t page = 0; page < actual.size(); ++page) {
        if (actual[page].size() != expected[page].size())
            return testing::AssertionFailure() << "page " << page << " differs";
        for (std::size_t i = 0; i < actual[page].size(); ++i) {
            const TPolygon& a = actual[page][i];
            const TPolygon& b = expected[page][i];
            bool same = SamePoints(a.Apexes, b.Apexes) && a.BendLines == b.BendLines &&
                        a.Flanges.size() == b.Flanges.size();
            for (std::size_t k = 0; same && k < a.Flanges.size(); ++k)
                same = SameFlangeBits(a.Flanges[k], b.Flanges[k]);
            if (!same)
                return testing::AssertionFailure() << "shape " << i << " of page " << page;
        }
    }
    return testing::AssertionSuccess();
}

// Two pages: a square at (-0, 10) with -0 in a flange angle and the joint "1"
// between its sides 0 and 2, a triangle, and on page 2 a rectangle whose top
// side carries "A".
TZvDat TwoPages() {
    TPolygon square = Named(Named(Square(40, {-0.0L, 10}), 0, "1", 5), 2, "1");
    square.Flanges[2].Angle1 = -0.0L;
    return {{square, Triangle(40, {60, 10})}, {Named(Rect(40, 20), 0, "A")}};
}

class SheetDocumentJointsTest : public testing::Test {
protected:
    TFakeTicks Ticks{1000};
    TSheetDocument Document{Ticks};
    int Changes = 0;

    void SetUp() override {
        Document.SetDrawingChangedHandler([this] { ++Changes; });
    }
    // Commands given by a person are far more than 100 ms apart.
    void Later() { Ticks.Time += 1000; }
    void Open(TZvDat drawing) {
        Document.SetDrawing(std::move(drawing));
        Document.ClearHistory();
        Changes = 0;
    }
    const TFlange& FlangeAt(const TSideRef& side) const {
        return FlangeOf(Document.Drawing(), side);
    }
    // Undo, then redo, the last step: the drawing goes back to before and
    // forward again to what the command left, bit for bit.
    void ExpectUndoAndRedoExact(const TZvDat& before, int entries) {
        const TZvDat after = Document.Drawing();
        Later();
        EXPECT_EQ(Document.UndoStep(), entries);
        EXPECT_TRUE(SameDrawingBits(Document.Drawing(), before));
        Later();
        EXPECT_EQ(Document.RedoStep(), entries);
        EXPECT_TRUE(SameDrawingBits(Document.Drawing(), after));
    }
};

} // namespace

TEST_F(SheetDocumentJointsTest, JoiningSidesOnTwoPagesGivesBothTheNextMarkAndTheFirstATab) {
    Open(TwoPages());
    const TZvDat before = Document.Drawing();
    const TSideRef first{1, 0, 2};
    const TSideRef second{0, 1, 1};
    Later();
    ASSERT_TRUE(Document.JoinSides(first, second, Tab));

    // "1" is taken, so the mark is "2".
    EXPECT_TRUE(SameFlangeBits(FlangeAt(first), MakeFlange("2", 4, Pi / 4, Pi / 3)));
    TFlange bare = before[0][1].Flanges[1];
    bare.Name = "2";
    EXPECT_TRUE(SameFlangeBits(FlangeAt(second), bare));
    // Nothing else changed.
    TZvDat expected = before;
    expected[1][0].Flanges[2] = FlangeAt(first);
    expected[0][1].Flanges[1] = FlangeAt(second);
    EXPECT_TRUE(SameDrawingBits(Document.Drawing(), expected));
    EXPECT_EQ(Document.History().Count(), 2);
    EXPECT_TRUE(Document.Modified());
    EXPECT_EQ(Changes, 1);
    ExpectUndoAndRedoExact(before, 2);

    // A side that takes a tab from a flange it had keeps nothing of it but the
    // tab; the second side's flange goes.
    Later();
    ASSERT_TRUE(Document.JoinSides({0, 0, 1}, {0, 0, 0}, Tab));
    EXPECT_EQ(FlangeAt({0, 0, 1}), MakeFlange("3", 4, Pi / 4, Pi / 3));
    EXPECT_EQ(FlangeAt({0, 0, 0}).Width, 0);
    EXPECT_EQ(FlangeAt({0, 0, 0}).Name, "3");
    EXPECT_EQ(FlangeAt({0, 0, 2}).Name, "1") << "the old partner keeps its mark, now open";
    EXPECT_EQ(Document.History().Count(), 3) << "one shape, one entry";
}

TEST_F(SheetDocumentJointsTest, AJoinWithNothingToDoChangesAndRecordsNothing) {
    const struct {
        const char* What;
        TSideRef First;
        TSideRef Second;
        TFlange Tab;
    } cases[] = {
        {"one side twice", {0, 1, 0}, {0, 1, 0}, Tab},
        {"no such side", {0, 1, 3}, {0, 1, 0}, Tab},
        {"no such shape", {0, 1, 0}, {1, 1, 0}, Tab},
        {"no such page", {2, 0, 0}, {0, 1, 0}, Tab},
        {"a tab of width 0", {0, 1, 0}, {0, 1, 1}, MakeFlange("", 0, Pi / 4, Pi / 4)},
        {"a negative width", {0, 1, 0}, {0, 1, 1}, MakeFlange("", -3, Pi / 4, Pi / 4)},
        {"a width that is no number",
         {0, 1, 0},
         {0, 1, 1},
         MakeFlange("", std::numeric_limits<long double>::quiet_NaN(), Pi / 4, Pi / 4)},
        {"an angle of 0", {0, 1, 0}, {0, 1, 1}, MakeFlange("", 3, 0, Pi / 4)},
        {"an angle past a right angle", {0, 1, 0}, {0, 1, 1}, MakeFlange("", 3, Pi / 4, 1.6L)},
    };
    for (const auto& c : cases) {
        Open(TwoPages());
        EXPECT_FALSE(Document.JoinSides(c.First, c.Second, c.Tab)) << c.What;
        EXPECT_TRUE(SameDrawingBits(Document.Drawing(), TwoPages())) << c.What;
        EXPECT_EQ(Document.History().Count(), 0) << c.What;
        EXPECT_FALSE(Document.Modified()) << c.What;
        EXPECT_EQ(Changes, 0) << c.What;
    }
}

TEST_F(SheetDocumentJointsTest, UnjoiningTakesTheMarkOffEverySideThatCarriesItAndKeepsFlanges) {
    Open(TwoPages());
    const TZvDat before = Document.Drawing();
    Later();
    ASSERT_TRUE(Document.UnjoinSide({0, 0, 2}));
    EXPECT_EQ(FlangeAt({0, 0, 0}), MakeFlange("", 5, Pi / 2, Pi / 2));
    EXPECT_TRUE(FlangeAt({0, 0, 2}).Name.empty());
    EXPECT_TRUE(SameBits(FlangeAt({0, 0, 2}).Angle1, -0.0L));
    EXPECT_EQ(FlangeAt({1, 0, 0}).Name, "A");
    EXPECT_EQ(Document.History().Count(), 1);
    ExpectUndoAndRedoExact(before, 1);

    // A side without a mark has nothing to unjoin.
    Later();
    EXPECT_FALSE(Document.UnjoinSide({0, 0, 1}));
    EXPECT_FALSE(Document.UnjoinSide({0, 5, 0}));
    EXPECT_EQ(Document.History().Count(), 1);

    // A mark on three sides of three shapes goes from all of them in one step.
    Open({{Named(Square(10), 1, "7")}, {Named(Square(10), 3, "7", 3), Named(Square(10), 0, "7")}});
    const TZvDat triple = Document.Drawing();
    Later();
    ASSERT_TRUE(Document.UnjoinSide({1, 1, 0}));
    EXPECT_EQ(CheckFlangePartners(Document.Drawing()).Names.size(), 0u);
    EXPECT_EQ(FlangeAt({1, 0, 3}).Width, 3);
    ExpectUndoAndRedoExact(triple, 3);
}

TEST_F(SheetDocumentJointsTest, MovingTheTabGivesItToThePartnerWithItsWidthAndAngles) {
    TPolygon box = Named(Named(Rect(40, 20), 0, "1"), 2, "1");
    box.Flanges[0] = MakeFlange("1", 4, Pi / 4, Pi / 3);
    Open({{box}, {Named(Rect(40, 20), 0, "2", 3), Named(Rect(40, 20), 0, "2")}});
    const TZvDat before = Document.Drawing();

    // From the side with the tab and from the side without one alike.
    for (const TSideRef side : {TSideRef{0, 0, 0}, TSideRef{0, 0, 0}}) {
        const TZvDat start = Document.Drawing();
        Later();
        ASSERT_TRUE(Document.MoveJointTab(side));
        ExpectUndoAndRedoExact(start, 1);
    }
    // Moved there and back: the flanges are as they were.
    EXPECT_TRUE(SameDrawingBits(Document.Drawing(), before));
    Later();
    ASSERT_TRUE(Document.MoveJointTab({0, 0, 2}));
    EXPECT_EQ(FlangeAt({0, 0, 2}), MakeFlange("1", 4, Pi / 4, Pi / 3));
    EXPECT_EQ(FlangeAt({0, 0, 0}).Width, 0);
    EXPECT_EQ(FlangeAt({0, 0, 0}).Name, "1");

    // Across pages, moved from the side that had it.
    Later();
    ASSERT_TRUE(Document.MoveJointTab({1, 0, 0}));
    EXPECT_EQ(FlangeAt({1, 1, 0}), MakeFlange("2", 3, Pi / 2, Pi / 2));
    EXPECT_EQ(FlangeAt({1, 0, 0}).Width, 0);
    EXPECT_EQ(Document.History().Count(), 5) << "two shapes, two entries";
}

TEST_F(SheetDocumentJointsTest, NoTabMovesWithoutACertainPartnerOrATab) {
    Open({{Named(Rect(40, 20), 0, "open", 3), Named(Named(Rect(40, 20), 0, "bare"), 2, "bare"),
           Named(Named(Rect(40, 20), 0, "3", 3), 2, "3", 3), Named(Rect(40, 20), 1, "3", 3)}});
    const TZvDat before = Document.Drawing();
    for (const TSideRef side : {TSideRef{0, 0, 0}, TSideRef{0, 1, 0}, TSideRef{0, 2, 2},
                                TSideRef{0, 0, 1}, TSideRef{0, 9, 0}})
        EXPECT_FALSE(Document.MoveJointTab(side)) << side.Shape << "/" << side.Side;
    EXPECT_TRUE(SameDrawingBits(Document.Drawing(), before));
    EXPECT_EQ(Document.History().Count(), 0);
}

// The net of a 60 x 40 x 30 mm box in one piece: the bottom in the middle, the
// back above it, the front and the lid below it, the sides left and right.
// Its fourteen outer sides glue in seven pairs.
TEST_F(SheetDocumentJointsTest, ABoxNetJoinedPairByPairHasEveryJointComplete) {
    constexpr long double L = 60, W = 40, H = 30;
    const TPolygon net = Shape({{H, 0},
                                {H + L, 0},
                                {H + L, H},
                                {2 * H + L, H},
                                {2 * H + L, H + W},
                                {H + L, H + W},
                                {H + L, 2 * H + W},
                                {H + L, 2 * H + 2 * W},
                                {H, 2 * H + 2 * W},
                                {H, 2 * H + W},
                                {H, H + W},
                                {0, H + W},
                                {0, H},
                                {H, H}});
    Open({{net}});
    const int pairs[7][2] = {{0, 7}, {1, 2}, {13, 12}, {3, 6}, {11, 8}, {4, 5}, {10, 9}};
    for (const auto& pair : pairs) {
        TJoinLengths lengths;
        ASSERT_TRUE(JoinLengthsOf(Document.Drawing(), {0, 0, pair[0]}, {0, 0, pair[1]}, lengths));
        EXPECT_FALSE(lengths.Differ) << pair[0] << " and " << pair[1];
        Later();
        ASSERT_TRUE(Document.JoinSides({0, 0, pair[0]}, {0, 0, pair[1]}, Tab));
    }
    const TFlangePartnerReport report = CheckFlangePartners(Document.Drawing());
    ASSERT_EQ(report.Names.size(), 7u);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(report.Names[k].Sides.size(), 2u);
        EXPECT_EQ(report.Names[k].Findings, 0) << report.Names[k].Name;
    }
    EXPECT_EQ(CompleteJoints(report), 7);
    EXPECT_EQ(JointsWithFindings(report), 0);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(FlangeAt({0, 0, pairs[k][0]}).Name, std::to_string(k + 1));
    EXPECT_EQ(Document.History().Count(), 7);

    for (int k = 0; k < 7; ++k) {
        Later();
        EXPECT_EQ(Document.UndoStep(), 1);
    }
    EXPECT_TRUE(SameDrawingBits(Document.Drawing(), {{net}}));
}
