// A mesh cleaned, unfolded and laid out onto pages of its own.
#include "document/unfolded_pages.h"

#include "document/sheet_document_import.h"
#include "geometry/angles.h"
#include "geometry/flange_outline.h"
#include "unfolding/area_fit.h"
#include "unfolding/mesh_unfolding.h"

#include <cmath>

namespace {

// Shares of the progress: the unfolding, then the layout.
constexpr double UnfoldingShare = 0.85;
// The unfolding fits pieces into the white area less this (mm) each way, so
// that the layout, which keeps shapes LayoutLeastClearance off the border,
// finds room for every piece.
constexpr long double BorderSpare = 10 * LayoutLeastClearance;

bool IsTabAngle(long double angle) {
    return angle > 0 && angle <= Pi / 2;
}

// The convex hull of a piece with its tabs, as a shape without flanges. The
// pieces are laid out by their hulls: the layout's time grows steeply with
// the convex parts of its shapes, and a net has many (one pass over the two
// pieces of a torus of 384 faces took 19 s), while on the benchmark set the
// hulls take as few pages as the nets themselves.
TPolygon HullOf(const TPolygon& piece) {
    TPolygon hull;
    hull.Apexes = ConvexHull(OutlineWithFlanges(piece));
    hull.Flanges.assign(hull.Apexes.size(), TFlange());
    return hull;
}

// Scales progress reported from 0 to 1 into from ... to.
TImportProgress Part(const TImportProgress& progress, double from, double to) {
    if (!progress)
        return {};
    return [progress, from, to](double done) { return progress(from + (to - from) * done); };
}

} // namespace

bool IsValidImport(const TMeshImportOptions& options) {
    const long double flatDegrees = RadToDeg(options.FlatAngle);
    return options.Size >= 0 && options.Size <= MaxModelSize && options.TabWidth > 0 &&
           options.TabWidth <= MaxTabWidth && IsTabAngle(options.TabAngle1) &&
           IsTabAngle(options.TabAngle2) && flatDegrees >= 0 && flatDegrees <= MaxFlatAngle &&
           std::isfinite(options.AreaWidth) && std::isfinite(options.AreaHeight) &&
           options.AreaWidth > BorderSpare && options.AreaHeight > BorderSpare;
}

TUnfoldedPages UnfoldOntoPages(const TMesh& mesh, const TMeshImportOptions& options,
                               TFreeJointMarks& marks, const TImportProgress& progress) {
    TUnfoldedPages pages;
    TCleaningOptions cleaning;
    cleaning.Size = options.Size;
    cleaning.FlatAngle = options.FlatAngle;
    const TMesh cleaned = CleanMesh(mesh, cleaning, pages.Cleaning);
    if (cleaned.Faces.empty()) {
        pages.Outcome = TUnfoldedPagesOutcome::NoFaces;
        return pages;
    }

    TUnfoldOptions unfolding;
    unfolding.AreaWidth = options.AreaWidth - BorderSpare;
    unfolding.AreaHeight = options.AreaHeight - BorderSpare;
    unfolding.TabWidth = options.TabWidth;
    unfolding.TabAngle1 = options.TabAngle1;
    unfolding.TabAngle2 = options.TabAngle2;
    unfolding.NextMark = [&marks] { return marks.Next(); };
    unfolding.Progress = Part(progress, 0, UnfoldingShare);
    const TUnfoldResult result = UnfoldMesh(cleaned, unfolding);
    if (result.Cancelled) {
        pages.Outcome = TUnfoldedPagesOutcome::Cancelled;
        return pages;
    }
    pages.Pieces = static_cast<int>(result.Pieces.size());
    pages.Joints = result.Joints;
    pages.NarrowerTabs = result.NarrowerTabs;
    pages.ThinTabs = result.ThinTabs;
    std::vector<TPolygon> shapes, hulls;
    for (const TUnfoldedPiece& piece : result.Pieces) {
        pages.TooLargePieces += !piece.Fits;
        shapes.push_back(piece.Shape);
        hulls.push_back(HullOf(piece.Shape));
    }
    if (pages.TooLargePieces > 0) {
        pages.Outcome = TUnfoldedPagesOutcome::TooLarge;
        return pages;
    }

    TShapePages laidOut = LayOutOntoPages(shapes, hulls, options.AreaWidth, options.AreaHeight,
                                          Part(progress, UnfoldingShare, 1));
    if (laidOut.Outcome == TLayoutOutcome::Cancelled) {
        pages.Outcome = TUnfoldedPagesOutcome::Cancelled;
    } else if (laidOut.Outcome != TLayoutOutcome::Done || !laidOut.Misfits.empty()) {
        pages.Outcome = TUnfoldedPagesOutcome::TooLarge;
        pages.TooLargePieces = static_cast<int>(laidOut.Misfits.size());
    } else {
        pages.Pages = std::move(laidOut.Pages);
    }
    return pages;
}
