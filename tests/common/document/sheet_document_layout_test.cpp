// Tests of the layout as the sheet document applies it: every piece inside the
// white area and at least the gap from every other, only moved and turned;
// the scopes and the pages they fill; pages added and the empty pages at the
// end removed; misfits left where they were; one undo step that gives every
// page back bit for bit; jobs that no longer fit the drawing, cancelled ones
// and ones that would need too many pages changing nothing.
#include "document/sheet_document.h"

#include "common/exact_compare.h"
#include "common/shape_builders.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "placement/outline_clearance.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr long double PageWidth = 170;
constexpr long double PageHeight = 257;

// Pieces of a few kinds, each with its own name on its first side and
// flanges on some sides, lying on top of each other where they were drawn.
TPolygonTbl Pieces(int count, int first = 0) {
    TPolygonTbl pieces;
    for (int k = first; k < first + count; ++k) {
        TPolygon piece = k % 3 == 0   ? Rect(20 + k % 5 * 6, 15 + k % 4 * 5, {10, 10})
                         : k % 3 == 1 ? Triangle(25 + k % 4 * 5, {30, 20})
                                      : Square(18 + k % 3 * 4, {40, 40});
        piece.Flanges[0] = MakeFlange("P" + std::to_string(k), 5, Pi / 4, Pi / 4);
        if (k % 2 == 0)
            piece.Flanges[1] = MakeFlange("", 6, Pi / 4, Pi / 3);
        piece.BendLines[0].push_back(MakeBendLine(0, 2));
        pieces.push_back(piece);
    }
    return pieces;
}

// Named 80 mm squares: six to a page of 170 by 257 mm, in two columns of
// three, and no more (seven would cover more than the page).
TPolygonTbl Big(int count, int first = 0) {
    TPolygonTbl squares;
    for (int k = first; k < first + count; ++k) {
        squares.push_back(Square(80, {k * 3.0L, 5}));
        squares.back().Flanges[0].Name = "B" + std::to_string(k);
    }
    return squares;
}

TLayoutSettings Settings(TLayoutScope scope, long double gap = 1,
                         TLayoutRotations rotations = TLayoutRotations::QuarterTurns) {
    TLayoutSettings settings;
    settings.Scope = scope;
    settings.Gap = gap;
    settings.Rotations = rotations;
    return settings;
}

// Every vertex, flange and fold line of the drawing, bit for bit.
void ExpectSameBits(const TZvDat& actual, const TZvDat& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t page = 0; page < actual.size(); ++page) {
        ASSERT_EQ(actual[page].size(), expected[page].size()) << "page " << page;
        for (std::size_t i = 0; i < actual[page].size(); ++i) {
            EXPECT_TRUE(SamePoints(actual[page][i].Apexes, expected[page][i].Apexes))
                << "page " << page << ", shape " << i;
            EXPECT_EQ(actual[page][i], expected[page][i]) << "page " << page << ", shape " << i;
        }
    }
}

std::string NameOf(const TPolygon& shape) {
    return shape.Flanges.empty() ? std::string() : shape.Flanges[0].Name;
}

// The laid-out shapes of these pages lie inside the white area and at least
// gap from every shape of their page; each is its original (found by its
// name) moved and turned: every side as long and every angle as wide to
// 1e-9, its flanges and fold lines the same.
void ExpectLaidOut(const TZvDat& drawing, const std::vector<int>& pages,
                   const std::map<std::string, TPolygon>& originals, long double gap) {
    for (const int page : pages) {
        const TPolygonTbl& shapes = drawing[page];
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const auto original = originals.find(NameOf(shapes[i]));
            if (original == originals.end())
                continue;
            const TPolygon& before = original->second;
            const TPolygon& after = shapes[i];
            ASSERT_EQ(after.Apexes.size(), before.Apexes.size());
            EXPECT_EQ(after.Flanges, before.Flanges);
            EXPECT_EQ(after.BendLines, before.BendLines);
            const int n = static_cast<int>(after.Apexes.size());
            for (int k = 0; k < n; ++k) {
                EXPECT_NEAR(
                    static_cast<double>(PointDistance(after.Apexes[k], after.Apexes[(k + 1) % n])),
                    static_cast<double>(
                        PointDistance(before.Apexes[k], before.Apexes[(k + 1) % n])),
                    1e-9);
                EXPECT_NEAR(static_cast<double>(ApexAngle(after.Apexes, k)),
                            static_cast<double>(ApexAngle(before.Apexes, k)), 1e-9);
            }
            const TDaPointF outline = OutlineWithFlanges(after);
            for (const TPointF& p : outline) {
                EXPECT_GT(p.X, 0);
                EXPECT_LT(p.X, PageWidth);
                EXPECT_GT(p.Y, 0);
                EXPECT_LT(p.Y, PageHeight);
            }
            for (std::size_t j = 0; j < shapes.size(); ++j) {
                if (j == i)
                    continue;
                EXPECT_GE(OutlineDistance(outline, OutlineWithFlanges(shapes[j])), gap)
                    << "page " << page << ": " << NameOf(after) << " and shape " << j;
            }
        }
    }
}

std::map<std::string, TPolygon> ByName(const TZvDat& drawing) {
    std::map<std::string, TPolygon> shapes;
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page)
            if (!NameOf(shape).empty())
                shapes[NameOf(shape)] = shape;
    return shapes;
}

class SheetDocumentLayoutTest : public testing::Test {
protected:
    TFakeTicks Ticks{1000};
    TSheetDocument Document{Ticks};

    void Later() { Ticks.Time += 1000; }
    void Open(TZvDat drawing) {
        Document.SetDrawing(std::move(drawing));
        Document.ClearHistory();
        Document.SetModified(false);
    }
    TLayoutJob Job(const TLayoutSettings& settings) const {
        return MakeLayoutJob(Document.Drawing(), Document.CurPage(), Document.Selection(), settings,
                             PageWidth, PageHeight);
    }
    TLayoutApplied LayOut(const TLayoutSettings& settings) {
        Later();
        LastJob = Job(settings);
        return Document.ApplyLayout(LastJob, RunLayoutJob(LastJob));
    }
    // The shapes the last layout took, by their names.
    std::map<std::string, TPolygon> LaidOut() const { return ByName({LastJob.Shapes}); }

    TLayoutJob LastJob;
};

} // namespace

// The scope says which shapes move and which pages they fill: shapes out of
// it keep their pages, their places and their order.
TEST_F(SheetDocumentLayoutTest, ScopesTakeTheirShapesOntoTheirPages) {
    const TPolygonTbl first = Pieces(6);
    const TPolygonTbl second = Big(13);
    const TPolygonTbl third = Pieces(3, 60);
    struct TScopeCase {
        const char* Name;
        TLayoutScope Scope;
        int CurPage;
        TDaInt Selection;
        std::vector<int> Untouched; // pages that keep every shape as it was
        int PageCount;              // after the layout
    };
    const std::vector<TScopeCase> cases = {
        // 13 squares need three pages: page 2, the empty page 4 and a new one.
        {"current page", TLayoutScope::CurrentPage, 1, {}, {0, 2}, 5},
        // Every piece, the small ones in the gaps: three pages, page 1 first.
        {"all pages", TLayoutScope::AllPages, 2, {}, {}, 3},
        // The selected pieces stay on their page; the empty page at the end goes.
        {"selection", TLayoutScope::Selection, 0, {4, 1}, {1, 2}, 3},
    };
    for (const TScopeCase& c : cases) {
        const TZvDat before = {first, second, third, {}};
        Open(before);
        Document.ChangePage(c.CurPage);
        for (const int index : c.Selection)
            Document.Select(index);
        const TLayoutApplied applied = LayOut(Settings(c.Scope));
        ASSERT_EQ(applied.End, TLayoutEnd::Done) << c.Name;
        const TZvDat& after = Document.Drawing();
        EXPECT_EQ(static_cast<int>(after.size()), c.PageCount) << c.Name;
        EXPECT_EQ(applied.PageCount, c.PageCount) << c.Name;
        EXPECT_TRUE(applied.Misfits.empty()) << c.Name;
        for (const int page : c.Untouched)
            EXPECT_EQ(after[page], before[page]) << c.Name << ", page " << page;
        // The shapes left out of a selection keep their order, before the others.
        if (c.Scope == TLayoutScope::Selection) {
            const TPolygonTbl kept(after[0].begin(), after[0].begin() + 4);
            EXPECT_EQ(kept, TPolygonTbl({first[0], first[2], first[3], first[5]}));
        }
        std::vector<int> pages;
        std::size_t shapes = 0;
        for (int page = 0; page < static_cast<int>(after.size()); ++page) {
            pages.push_back(page);
            shapes += after[page].size();
        }
        EXPECT_EQ(shapes, first.size() + second.size() + third.size()) << c.Name;
        ExpectLaidOut(after, pages, LaidOut(), 1);
        EXPECT_EQ(Document.CurPage(), c.Scope == TLayoutScope::AllPages ? 0 : c.CurPage);
        EXPECT_TRUE(Document.Selection().empty()) << c.Name;
        EXPECT_TRUE(Document.Modified()) << c.Name;
    }
}

// One step back gives every page, the page shown and the selection back bit
// for bit; one step forward gives the layout again.
TEST_F(SheetDocumentLayoutTest, OneUndoStepGivesEveryPageBackBitForBit) {
    TPolygonTbl crowded = Pieces(30);
    // Coordinates no decimal text can hold, and a turned piece.
    for (TPolygon& piece : crowded)
        TranslatePolygon(piece, PointF(1.0L / 3, 2.0L / 7));
    crowded[5] = TransformedPolygon(crowded[5], {0.3L, false, PointF(7, 9)});
    const TZvDat before = {Pieces(2, 40), crowded, {}, Pieces(1, 50), {}, {}};
    Open(before);
    Document.ChangePage(1);
    Document.Select(3);
    Document.Select(1);
    const std::size_t entries = static_cast<std::size_t>(Document.History().Count());

    for (const TLayoutScope scope : {TLayoutScope::AllPages, TLayoutScope::CurrentPage}) {
        TLayoutSettings settings = Settings(scope, 2, TLayoutRotations::Every15Degrees);
        settings.AllowMirror = true;
        ASSERT_EQ(LayOut(settings).End, TLayoutEnd::Done);
        const TZvDat laidOut = Document.Drawing();
        const int shown = Document.CurPage();
        EXPECT_NE(laidOut, before);

        Later();
        Document.UndoStep();
        ExpectSameBits(Document.Drawing(), before);
        EXPECT_EQ(Document.CurPage(), 1);
        EXPECT_EQ(Document.Selection(), TDaInt({3, 1}));
        EXPECT_EQ(static_cast<std::size_t>(Document.History().Cursor()), entries);

        Document.RedoStep();
        ExpectSameBits(Document.Drawing(), laidOut);
        EXPECT_EQ(Document.CurPage(), shown);
        EXPECT_TRUE(Document.Selection().empty());
        Document.UndoStep();
        ExpectSameBits(Document.Drawing(), before);
    }
}

TEST_F(SheetDocumentLayoutTest, PagesAreAddedAsNeededAndEmptyPagesAtTheEndRemoved) {
    struct TPagesCase {
        const char* Name;
        TZvDat Drawing;
        int PageCount;
    };
    const std::vector<TPagesCase> cases = {
        {"one crowded page", {Big(14)}, 3},
        {"sparse pages", {Pieces(3), {}, Pieces(2, 10), Pieces(1, 20), {}, {}}, 1},
        {"one small piece", {{}, {}, {Square(10, {-50, -50})}}, 1},
    };
    for (const TPagesCase& c : cases) {
        Open(c.Drawing);
        const TLayoutApplied applied = LayOut(Settings(TLayoutScope::AllPages));
        ASSERT_EQ(applied.End, TLayoutEnd::Done) << c.Name;
        EXPECT_EQ(static_cast<int>(Document.Drawing().size()), c.PageCount) << c.Name;
        for (const TPolygonTbl& page : Document.Drawing())
            EXPECT_FALSE(page.empty()) << c.Name;
        Later();
        Document.UndoStep();
        ExpectSameBits(Document.Drawing(), c.Drawing);
    }
}

// A piece larger than the page stays where it was, named by where it is now;
// the others keep the gap from it.
TEST_F(SheetDocumentLayoutTest, MisfitsStayWhereTheyWere) {
    const TPolygon strip = Rect(300, 20, {-20, 100});
    TPolygonTbl page = Pieces(4);
    page.insert(page.begin() + 2, strip);
    Open({page, Pieces(2, 10)});
    const TLayoutApplied applied =
        LayOut(Settings(TLayoutScope::AllPages, 1, TLayoutRotations::None));
    ASSERT_EQ(applied.End, TLayoutEnd::Done);
    EXPECT_EQ(applied.Misfits, std::vector<int>({2}));
    ASSERT_EQ(applied.MisfitPlaces.size(), 1u);
    const TShapeRef now = applied.MisfitPlaces[0];
    EXPECT_EQ(now, (TShapeRef{0, 0}));
    EXPECT_EQ(Document.Drawing()[now.Page][now.Index], strip);
    ExpectLaidOut(Document.Drawing(), {0}, LaidOut(), 1);

    // Nothing fits: nothing changes and nothing is recorded.
    Open({{strip, Square(400)}});
    const TLayoutApplied none = LayOut(Settings(TLayoutScope::AllPages));
    EXPECT_EQ(none.End, TLayoutEnd::NothingPlaced);
    EXPECT_EQ(none.Misfits, std::vector<int>({0, 1}));
    EXPECT_EQ(Document.History().Count(), 0);
    EXPECT_FALSE(Document.Modified());
}

// A job applies only to the drawing it was made from, with a result that
// ran to its end; a layout that would pass the page limit is refused.
TEST_F(SheetDocumentLayoutTest, AJobThatCannotApplyChangesNothing) {
    Open({Pieces(12)});
    const TLayoutJob job = Job(Settings(TLayoutScope::CurrentPage));
    const TLayoutResult result = RunLayoutJob(job);
    const TLayoutResult cancelled = RunLayoutJob(job, [](double) { return false; });
    EXPECT_EQ(cancelled.Outcome, TLayoutOutcome::Cancelled);
    EXPECT_EQ(Document.ApplyLayout(job, cancelled).End, TLayoutEnd::Stale);

    Document.Select(0);
    Document.DeleteCurrentPolygon();
    EXPECT_EQ(Document.ApplyLayout(job, result).End, TLayoutEnd::Stale);
    Document.AddPage();
    EXPECT_EQ(Document.ApplyLayout(Job(Settings(TLayoutScope::AllPages)), result).End,
              TLayoutEnd::Stale);

    // 20 squares need four pages from page 998.
    TZvDat full(MaxPageCount - 1);
    full.back() = Big(20);
    Open(full);
    Document.ChangePage(static_cast<int>(MaxPageCount) - 2);
    const TLayoutApplied refused = LayOut(Settings(TLayoutScope::CurrentPage));
    EXPECT_EQ(refused.End, TLayoutEnd::TooManyPages);
    EXPECT_GT(refused.PageCount, static_cast<int>(MaxPageCount));
    EXPECT_EQ(Document.Drawing(), full);
    EXPECT_EQ(Document.History().Count(), 1); // the page change only
}

// New pieces (as an import brings them) fill the empty pages at the end and
// pages after them, as one step.
TEST_F(SheetDocumentLayoutTest, NewShapesGoOntoTheEmptyPagesAtTheEnd) {
    const TZvDat before = {Pieces(3), {}, Pieces(1, 5), {}};
    Open(before);
    TPolygonTbl pieces = Big(10);
    pieces.push_back(Rect(500, 10));
    const TLayoutJob job = NewShapesLayoutJob(
        Document.Drawing(), pieces, Settings(TLayoutScope::AllPages), PageWidth, PageHeight);
    EXPECT_EQ(job.Pages, std::vector<int>({3}));
    const TLayoutApplied applied = Document.ApplyLayout(job, RunLayoutJob(job));
    ASSERT_EQ(applied.End, TLayoutEnd::Done);
    EXPECT_EQ(applied.Misfits, std::vector<int>({10}));
    EXPECT_EQ(applied.MisfitPlaces, std::vector<TShapeRef>({TShapeRef{}}));
    const TZvDat& after = Document.Drawing();
    ASSERT_EQ(after.size(), 5u);
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(after[page], before[page]);
    EXPECT_EQ(after[3].size(), 6u);
    EXPECT_EQ(after[4].size(), 4u);
    EXPECT_EQ(Document.CurPage(), 3);
    ExpectLaidOut(after, {3, 4}, ByName({pieces}), 1);
    Later();
    Document.UndoStep();
    ExpectSameBits(Document.Drawing(), before);
}
