// Unfolding a cleaned mesh into pieces with fold lines, joints and tabs.
#include "unfolding/mesh_unfolding.h"

#include "geometry/bounding_box.h"
#include "geometry/flange_outline.h"
#include "geometry/plane_geometry.h"
#include "unfolding/area_fit.h"
#include "unfolding/fold_geometry.h"
#include "unfolding/join_order.h"
#include "unfolding/joint_tabs.h"
#include "unfolding/piece_growth.h"
#include "unfolding/piece_outline.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <unordered_map>

namespace {

// Models with more faces than this are unfolded in the three orders likeliest
// to do well only: all seven would take longer than a user waits.
constexpr int AllOrdersUpToFaces = 8000;
// Share of the progress the growing takes; the tabs take the rest.
constexpr double GrowingShare = 0.9;
// How many joins between two progress reports.
constexpr int ReportEvery = 512;

struct TSideRef {
    int Piece = 0; // index into the result's pieces
    int Side = 0;
};

class TMarks {
public:
    explicit TMarks(const TUnfoldOptions& options) : FOptions(options) {}
    std::string Next() {
        return FOptions.NextMark ? FOptions.NextMark()
                                 : std::to_string(FOptions.FirstMark + FCount++);
    }

private:
    const TUnfoldOptions& FOptions;
    int FCount = 0;
};

// The pieces grown in the order that leaves the fewest, or null when the
// caller stopped the unfolding.
std::unique_ptr<TPieceGrowth> GrowPieces(const TFoldGeometry& fold, const TUnfoldOptions& options) {
    const TGrowthLimits limits{options.AreaWidth, options.AreaHeight, options.TabWidth};
    std::vector<TJoinOrder> orders;
    if (fold.Edges.FaceCount() <= AllOrdersUpToFaces) {
        for (int order = 0; order < JoinOrderCount; ++order)
            orders.push_back(static_cast<TJoinOrder>(order));
    } else {
        orders = OrdersForLargeModels(*fold.Mesh);
    }
    const int count = static_cast<int>(orders.size());
    std::unique_ptr<TPieceGrowth> best;
    std::size_t bestPieces = 0;
    for (int order = 0; order < count; ++order) {
        const std::vector<int> edges = JoinOrder(fold, orders[order]);
        auto growth = std::make_unique<TPieceGrowth>(fold, limits);
        for (std::size_t i = 0; i < edges.size(); ++i) {
            growth->TryJoin(edges[i]);
            if (options.Progress && i % ReportEvery == 0 &&
                !options.Progress(GrowingShare * (order + double(i) / edges.size()) / count))
                return nullptr;
        }
        const std::size_t pieces = growth->PieceIds().size();
        if (!best || pieces < bestPieces) {
            best = std::move(growth);
            bestPieces = pieces;
        }
        if (bestPieces <= 1)
            break;
    }
    return best;
}

} // namespace

TUnfoldResult UnfoldMesh(const TMesh& mesh, const TUnfoldOptions& options) {
    TUnfoldResult result;
    if (mesh.Faces.empty())
        return result;
    const TFoldGeometry fold = MakeFoldGeometry(mesh);
    const std::unique_ptr<TPieceGrowth> growth = GrowPieces(fold, options);
    if (!growth) {
        result.Cancelled = true;
        return result;
    }

    std::vector<TPieceOutline> outlines;
    std::vector<int> ids = growth->PieceIds();
    for (int id : ids)
        outlines.push_back(OutlineOf(*growth, fold, id));
    std::vector<long double> areas(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        TPointF centroid;
        areas[i] = PolygonCentroid(outlines[i].Points, centroid);
    }
    std::vector<int> order(ids.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return areas[a] > areas[b]; });

    // Each piece turned where it fits with room for tabs all round, or else
    // where its bare outline fits best and tabs must keep inside.
    std::vector<TTabbedPiece> tabbed(order.size());
    std::unordered_map<int, TSideRef> sideOf; // by half-edge
    for (std::size_t p = 0; p < order.size(); ++p) {
        const TPieceOutline& outline = outlines[order[p]];
        TTabbedPiece& piece = tabbed[p];
        piece.Outline = &outline;
        piece.Flanges.assign(outline.Points.size(), TFlange());
        const TDaPointF hull = ConvexHull(outline.Points);
        TAreaFit fit = FitArea(hull, options.AreaWidth, options.AreaHeight, options.TabWidth,
                               growth->FitAngle(ids[order[p]]), true);
        if (!fit.Fits)
            fit = FitArea(hull, options.AreaWidth, options.AreaHeight, 0, 0, true);
        piece.Angle = fit.Angle;
        piece.KeepInArea = fit.Fits;
        for (std::size_t i = 0; i < outline.Sides.size(); ++i)
            sideOf[outline.Sides[i]] = {static_cast<int>(p), static_cast<int>(i)};
    }

    // Marks in the order of the pieces and their sides; the side met first
    // is offered the tab first.
    TMarks marks(options);
    TTabPlacement tabs(tabbed, options.AreaWidth, options.AreaHeight,
                       {options.TabWidth, options.TabAngle1, options.TabAngle2});
    for (std::size_t p = 0; p < tabbed.size(); ++p) {
        const TPieceOutline& outline = *tabbed[p].Outline;
        for (std::size_t i = 0; i < outline.Sides.size(); ++i) {
            const int partner = fold.Partner(outline.Sides[i]);
            if (partner < 0 || !tabbed[p].Flanges[i].Name.empty())
                continue;
            const TSideRef other = sideOf.at(partner);
            const std::string mark = marks.Next();
            tabbed[p].Flanges[i].Name = mark;
            tabbed[other.Piece].Flanges[other.Side].Name = mark;
            ++result.Joints;
            switch (tabs.Place(static_cast<int>(p), static_cast<int>(i), other.Piece, other.Side)) {
            case toFull:
                break;
            case toNarrower:
                ++result.NarrowerTabs;
                break;
            case toNone:
                ++result.JointsWithoutTab;
                break;
            }
        }
        if (options.Progress &&
            !options.Progress(GrowingShare + (1 - GrowingShare) * double(p + 1) / tabbed.size())) {
            TUnfoldResult cancelled;
            cancelled.Cancelled = true;
            return cancelled;
        }
    }

    for (std::size_t p = 0; p < tabbed.size(); ++p) {
        const TPieceOutline& outline = *tabbed[p].Outline;
        TUnfoldedPiece piece;
        piece.Shape.Apexes = outline.Points;
        piece.Shape.Flanges = std::move(tabbed[p].Flanges);
        piece.Shape.BendLines = outline.Folds;
        piece.ApexVertices = outline.Vertices;
        piece.Faces = growth->FacesOf(ids[order[p]]);
        piece.Rotation = tabbed[p].Angle;
        RotatePoints(piece.Shape.Apexes, PointF(0, 0), piece.Rotation);
        TBox box = BoxOf(OutlineWithFlanges(piece.Shape));
        for (TPointF& apex : piece.Shape.Apexes)
            apex = PointF(apex.X - box.Left, apex.Y - box.Top);
        piece.Fits = box.Right - box.Left <= options.AreaWidth + AreaFitTolerance &&
                     box.Bottom - box.Top <= options.AreaHeight + AreaFitTolerance;
        result.Pieces.push_back(std::move(piece));
    }
    return result;
}
