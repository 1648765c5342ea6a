// Tests of what follows the sheet document as it changes: the page index,
// brought up to date only for the shapes the document says changed, and the
// joint check kept up to date from the log of changed shapes; both must
// answer after every command of random sessions exactly as if made anew.
#include "document/flange_partner_index.h"
#include "document/sheet_document.h"

#include "common/document/random_sheet_session.h"
#include "common/shape_builders.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"
#include "geometry/cached_overlap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

bool SameBox(const TBox& a, const TBox& b) {
    return a.Unbounded == b.Unbounded &&
           (a.Unbounded ||
            (std::memcmp(&a.Left, &b.Left, 10) == 0 && std::memcmp(&a.Top, &b.Top, 10) == 0 &&
             std::memcmp(&a.Right, &b.Right, 10) == 0 &&
             std::memcmp(&a.Bottom, &b.Bottom, 10) == 0));
}

// The document's index against one made from the page as it is: the same
// outlines and, for boxes all over the page, the same shapes meeting them.
void ExpectIndexOfPage(TSheetDocument& document, TRandomSession& session) {
    TPageIndex& kept = document.PageIndex();
    TPageIndex fresh;
    fresh.Sync(document.Drawing()[document.CurPage()]);
    ASSERT_EQ(kept.Size(), fresh.Size());
    for (int i = 0; i < kept.Size(); ++i) {
        ASSERT_TRUE(SameBox(kept.Shape(i).Bounds(), fresh.Shape(i).Bounds())) << i;
        ASSERT_EQ(kept.Shape(i).Outline(), fresh.Shape(i).Outline()) << i;
    }
    for (int k = 0; k < 5; ++k) {
        const TBox box = BoxOf(session.Point(), session.Point());
        const std::vector<int> expected = fresh.ShapesMeeting(box);
        ASSERT_EQ(kept.ShapesMeeting(box), expected);
    }
}

void ExpectSameReport(const TFlangePartnerReport& actual, const TFlangePartnerReport& expected) {
    ASSERT_EQ(actual.UnnamedFlanges, expected.UnnamedFlanges);
    ASSERT_EQ(actual.Names.size(), expected.Names.size());
    for (std::size_t k = 0; k < expected.Names.size(); ++k) {
        ASSERT_EQ(actual.Names[k].Name, expected.Names[k].Name) << k;
        ASSERT_EQ(actual.Names[k].Sides, expected.Names[k].Sides) << k;
        ASSERT_EQ(actual.Names[k].Findings, expected.Names[k].Findings) << k;
    }
}

// Joints give sides marks of their own, so that the session's shapes carry
// many different marks, and take them off again.
void JointCommand(TSheetDocument& document, TRandomSession& session) {
    const auto side = [&]() -> TSideRef {
        const int page = session.Int(0, static_cast<int>(document.Drawing().size()) - 1);
        const TPolygonTbl& shapes = document.Drawing()[page];
        if (shapes.empty())
            return {page, 0, 0};
        const int shape = session.Int(0, static_cast<int>(shapes.size()) - 1);
        return {page, shape, session.Int(0, static_cast<int>(shapes[shape].Apexes.size()) - 1)};
    };
    switch (session.Int(0, 3)) {
    case 0:
        document.JoinSides(side(), side(), MakeFlange("", 4, Pi / 4, Pi / 4));
        break;
    case 1:
        document.UnjoinSide(side());
        break;
    case 2:
        document.MoveJointTab(side());
        break;
    default:
        document.UndoStep();
        break;
    }
}

TEST(DocumentFollowers, TheyAnswerAfterEveryCommandAsIfMadeAnew) {
    for (const unsigned seed : {4u, 9u, 31u}) {
        SCOPED_TRACE(seed);
        TFakeTicks ticks{1000};
        TSheetDocument document(ticks);
        TRandomSession session(document, ticks, seed);
        document.SetDrawing(session.Drawing());
        TFlangePartnerIndex check;
        check.Rebuild(document.Drawing());
        std::uint64_t taken = document.Changes().Now();
        for (int i = 0; i < 250; ++i) {
            if (session.Int(0, 3) == 0)
                JointCommand(document, session);
            else if (session.Int(0, 4) == 0)
                document.UndoStep();
            else
                session.Command();
            ASSERT_NO_FATAL_FAILURE(ExpectIndexOfPage(document, session)) << "command " << i;
            // The window takes the changes of several commands at once now and then.
            if (session.Int(0, 2) == 0)
                continue;
            std::vector<TShapeSlot> changed;
            if (document.Changes().ChangedSince(taken, changed))
                check.Apply(document.Drawing(), changed);
            else
                check.Rebuild(document.Drawing());
            taken = document.Changes().Now();
            ASSERT_NO_FATAL_FAILURE(
                ExpectSameReport(check.Report(), CheckFlangePartners(document.Drawing())))
                << "command " << i;
            // The groups hold the marks with findings and the complete ones.
            for (const auto& ordered : check.Group(0))
                ASSERT_NE(ordered.Entry->Findings, 0);
            for (const auto& ordered : check.Group(1))
                ASSERT_EQ(ordered.Entry->Findings, 0);
            check.TakeRetired();
        }
    }
}

// A view that took the drawing after a change still hears of the next change
// of the same shape; a log too long to keep, or a change of pages, sends it
// back to the whole drawing.
TEST(DrawingChanges, EveryViewHearsOfEveryChangeSinceItLooked) {
    TDrawingChanges changes;
    const std::uint64_t start = changes.Now();
    changes.ShapeChanged(0, 3);
    changes.ShapeChanged(0, 3); // a drag's next step: nobody looked in between
    const std::uint64_t looked = changes.Now();
    changes.ShapeChanged(0, 3);
    std::vector<TShapeSlot> slots;
    ASSERT_TRUE(changes.ChangedSince(start, slots));
    EXPECT_EQ(slots, (std::vector<TShapeSlot>{{0, 3}, {0, 3}}));
    ASSERT_TRUE(changes.ChangedSince(looked, slots));
    EXPECT_EQ(slots, (std::vector<TShapeSlot>{{0, 3}}));

    changes.Everything();
    EXPECT_FALSE(changes.ChangedSince(looked, slots));
    const std::uint64_t afterPages = changes.Now();
    for (int shape = 0; shape < 5000; ++shape)
        changes.ShapeChanged(1, shape);
    EXPECT_FALSE(changes.ChangedSince(afterPages, slots));
    EXPECT_TRUE(changes.ChangedSince(changes.Now(), slots));
    EXPECT_TRUE(slots.empty());
}

// The page left keeps its index for when it is shown again; what changed on
// it meanwhile (here a tab moved by a joint command from another page, then
// undone) must show when it is.
TEST(DocumentFollowers, APageShownAgainShowsWhatChangedOnItMeanwhile) {
    TFakeTicks ticks{1000};
    TSheetDocument document(ticks);
    TPolygon square = Square(40, {10, 10});
    square.Flanges[0] = MakeFlange("1", 5, Pi / 4, Pi / 4);
    square.Flanges[2] = MakeFlange("1", 0, Pi / 4, Pi / 4);
    document.SetDrawing({{square, Triangle(40, {60, 10})}, {Rect(40, 20)}});
    TRandomSession session(document, ticks, 7);
    for (const bool undo : {false, true}) {
        SCOPED_TRACE(undo ? "undone" : "moved");
        document.ChangePage(0);
        ASSERT_NO_FATAL_FAILURE(ExpectIndexOfPage(document, session));
        document.ChangePage(1);
        ASSERT_NO_FATAL_FAILURE(ExpectIndexOfPage(document, session));
        ticks.Time += 1000;
        if (undo)
            document.UndoStep();
        else
            ASSERT_TRUE(document.MoveJointTab({0, 0, 0}));
        document.ChangePage(0);
        ASSERT_NO_FATAL_FAILURE(ExpectIndexOfPage(document, session));
    }
}

} // namespace
