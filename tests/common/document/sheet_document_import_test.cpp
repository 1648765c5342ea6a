// Tests of a 3D model brought into the sheet document: generated meshes
// unfolded onto pages of their own and added after the drawing's last page
// that holds a shape, every piece inside the white area, every joint complete
// in the flange check with marks the drawing had free, and the whole import
// one step of the history; and what stops an import without changing the
// drawing.
#include "document/sheet_document.h"
#include "document/sheet_document_import.h"
#include "document/unfolded_pages.h"

#include "common/shape_builders.h"
#include "common/unfolding/mesh_samples.h"
#include "document/flange_partners.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "geometry/overlap.h"

#include <gtest/gtest.h>

namespace {

constexpr long double AreaWidth = 190, AreaHeight = 277;

TMeshImportOptions Options(long double size) {
    TMeshImportOptions options;
    options.Size = size;
    options.AreaWidth = AreaWidth;
    options.AreaHeight = AreaHeight;
    return options;
}

// A page with a joint already marked 1 and a side marked 3, and an empty page
// after it.
TZvDat Drawing() {
    TPolygon first = Square(20, {10, 10});
    TPolygon second = Square(20, {50, 10});
    first.Flanges[1] = MakeFlange("1", 5, Pi / 4, Pi / 4);
    second.Flanges[3].Name = "1";
    second.Flanges[0].Name = "3";
    return {{first, second}, {}};
}

class SheetDocumentImportTest : public testing::Test {
protected:
    TFakeTicks Ticks{1000};
    TSheetDocument Document{Ticks};

    void Open(TZvDat drawing) {
        Document.SetDrawing(std::move(drawing));
        Document.ClearHistory();
        Ticks.Time += 1000;
    }
    TUnfoldedPages Unfold(const TMesh& mesh, long double size) {
        TFreeJointMarks marks(Document.Drawing());
        return UnfoldOntoPages(mesh, Options(size), marks);
    }
};

void ExpectInsideAndApart(const TPolygonTbl& page) {
    std::vector<TDaPointF> outlines;
    for (const TPolygon& shape : page)
        outlines.push_back(OutlineWithFlanges(shape));
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        for (const TPointF& p : outlines[i]) {
            EXPECT_GT(p.X, 0);
            EXPECT_GT(p.Y, 0);
            EXPECT_LT(p.X, AreaWidth);
            EXPECT_LT(p.Y, AreaHeight);
        }
        for (std::size_t j = 0; j < i; ++j) {
            TPointF contact;
            EXPECT_FALSE(PolygonsOverlap(outlines[i], outlines[j], contact)) << i << " " << j;
        }
    }
}

} // namespace

TEST_F(SheetDocumentImportTest, AModelComesInOnPagesAfterTheLastOneAsOneStep) {
    const struct {
        const char* Name;
        TMesh Mesh;
        long double Size;
        int MostPieces;
    } cases[] = {
        {"cube", CubeMesh(), 60, 1},
        {"torus", TorusMesh(24, 8), 60, 5},
        {"noisy", NoisyMesh(1000, 7), 100, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Open(Drawing());
        Document.Select(1);
        Ticks.Time += 1000;
        const TZvDat before = Document.Drawing();
        const TFlangePartnerReport checkBefore = CheckFlangePartners(before);

        const TUnfoldedPages pages = Unfold(c.Mesh, c.Size);
        ASSERT_EQ(pages.Outcome, TUnfoldedPagesOutcome::Done);
        EXPECT_GE(pages.Pieces, 1);
        EXPECT_LE(pages.Pieces, c.MostPieces);
        ASSERT_TRUE(Document.AddShapePages(pages.Pages));

        // The empty page 2 is taken first; page 1 is as it was.
        const TZvDat& after = Document.Drawing();
        ASSERT_EQ(after.size(), 1 + pages.Pages.size());
        EXPECT_EQ(after[0], before[0]);
        EXPECT_EQ(Document.CurPage(), 1);
        EXPECT_TRUE(Document.Selection().empty());
        EXPECT_TRUE(Document.Modified());
        std::size_t shapes = 0;
        for (std::size_t page = 1; page < after.size(); ++page) {
            SCOPED_TRACE("page " + std::to_string(page + 1));
            EXPECT_FALSE(after[page].empty());
            shapes += after[page].size();
            ExpectInsideAndApart(after[page]);
        }
        EXPECT_EQ(shapes, static_cast<std::size_t>(pages.Pieces));

        // Every joint complete, the old one among them: the new marks are
        // none of the drawing's.
        const TFlangePartnerReport check = CheckFlangePartners(after);
        EXPECT_EQ(JointsWithFindings(check), JointsWithFindings(checkBefore));
        EXPECT_EQ(CompleteJoints(check), CompleteJoints(checkBefore) + pages.Joints);

        Document.UndoStep();
        EXPECT_EQ(Document.Drawing(), before);
        EXPECT_EQ(Document.CurPage(), 0);
        EXPECT_EQ(Document.Selection(), TDaInt{1});
        Document.RedoStep();
        EXPECT_EQ(Document.Drawing(), after);
        EXPECT_EQ(Document.CurPage(), 1);
    }
}

TEST_F(SheetDocumentImportTest, AnEmptyDrawingTakesThePiecesFromPage1) {
    const TUnfoldedPages pages = Unfold(TorusMesh(24, 8), 150);
    ASSERT_EQ(pages.Outcome, TUnfoldedPagesOutcome::Done);
    ASSERT_GE(pages.Pages.size(), 2u);
    ASSERT_TRUE(Document.AddShapePages(pages.Pages));
    EXPECT_EQ(Document.Drawing(), TZvDat(pages.Pages.begin(), pages.Pages.end()));
    EXPECT_EQ(Document.CurPage(), 0);
    Document.UndoStep();
    EXPECT_EQ(Document.Drawing(), TZvDat(1));
}

TEST_F(SheetDocumentImportTest, PagesPastTheLimitAreRefusedAndNothingChanges) {
    TZvDat full(MaxPageCount - 1, TPolygonTbl{Square(10)});
    Open(full);
    const std::vector<TPolygonTbl> two(2, TPolygonTbl{Square(5)});
    EXPECT_FALSE(Document.AddShapePages(two));
    EXPECT_FALSE(Document.AddShapePages({}));
    EXPECT_EQ(Document.Drawing(), full);
    EXPECT_EQ(Document.History().Count(), 0);
    EXPECT_TRUE(Document.AddShapePages({two.front()}));
    EXPECT_EQ(Document.Drawing().size(), MaxPageCount);
}

TEST_F(SheetDocumentImportTest, WhatCannotComeInSaysWhy) {
    TMesh flat;
    flat.Vertices = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}};
    flat.Faces = {{0, 1, 2}, {0, 1, 1}};
    TMesh slab;
    slab.Vertices = {{0, 0, 0}, {300, 0, 0}, {300, 300, 0}, {0, 300, 0}};
    slab.Faces = {{0, 1, 2, 3}};
    const struct {
        const char* Name;
        TMesh Mesh;
        long double Size;
        TUnfoldedPagesOutcome Outcome;
        int TooLarge;
    } cases[] = {
        {"no face with an area", flat, 0, TUnfoldedPagesOutcome::NoFaces, 0},
        {"a face larger than the page", slab, 0, TUnfoldedPagesOutcome::TooLarge, 1},
        {"the same face made smaller", slab, 150, TUnfoldedPagesOutcome::Done, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TUnfoldedPages pages = Unfold(c.Mesh, c.Size);
        EXPECT_EQ(pages.Outcome, c.Outcome);
        EXPECT_EQ(pages.TooLargePieces, c.TooLarge);
        EXPECT_EQ(pages.Pages.empty(), c.Outcome != TUnfoldedPagesOutcome::Done);
    }
}

TEST_F(SheetDocumentImportTest, ACancelledImportGivesNoPages) {
    const TMesh sphere = IcosphereMesh(2);
    for (int stopAt : {0, 3}) {
        SCOPED_TRACE(stopAt);
        int reports = 0;
        TFreeJointMarks marks(Document.Drawing());
        const TUnfoldedPages pages = UnfoldOntoPages(sphere, Options(100), marks,
                                                     [&](double) { return reports++ < stopAt; });
        EXPECT_EQ(pages.Outcome, TUnfoldedPagesOutcome::Cancelled);
        EXPECT_TRUE(pages.Pages.empty());
    }
}

TEST(UnfoldedPages, OnlyValuesTheImportCanUseAreValid) {
    constexpr long double Degree = Pi / 180;
    const auto with = [](auto change) {
        TMeshImportOptions options = Options(60);
        change(options);
        return IsValidImport(options);
    };
    EXPECT_TRUE(with([](TMeshImportOptions&) {}));
    EXPECT_TRUE(with([](TMeshImportOptions& o) { o.Size = 0; }));
    EXPECT_TRUE(with([&](TMeshImportOptions& o) { o.TabAngle1 = 90 * Degree; }));
    EXPECT_TRUE(with([&](TMeshImportOptions& o) { o.FlatAngle = 0; }));
    EXPECT_FALSE(with([](TMeshImportOptions& o) { o.Size = -1; }));
    EXPECT_FALSE(with([](TMeshImportOptions& o) { o.Size = MaxModelSize * 2; }));
    EXPECT_FALSE(with([](TMeshImportOptions& o) { o.TabWidth = 0; }));
    EXPECT_FALSE(with([](TMeshImportOptions& o) { o.TabWidth = 100; }));
    EXPECT_FALSE(with([](TMeshImportOptions& o) { o.TabAngle2 = 0; }));
    EXPECT_FALSE(with([&](TMeshImportOptions& o) { o.TabAngle1 = 91 * Degree; }));
    EXPECT_FALSE(with([&](TMeshImportOptions& o) { o.FlatAngle = 11 * Degree; }));
    EXPECT_FALSE(with([](TMeshImportOptions& o) { o.AreaHeight = 0; }));
}
