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
    int Piece = 0; // index into the layout's pieces
    int Side = 0;
};

// One way of cutting the model: its pieces, largest first, turned to fit,
// with their tabs placed, and its joints in the order of the pieces and
// their sides.
struct TLayout {
    std::unique_ptr<TPieceGrowth> Growth;
    std::vector<int> Ids; // the growth's piece of each piece
    std::vector<TPieceOutline> Outlines;
    std::vector<TTabbedPiece> Pieces;
    std::vector<std::pair<TSideRef, TSideRef>> Joints;
    int NarrowerTabs = 0;
    int ThinTabs = 0;
    int JointsWithoutTab = 0;
    long double TabWidth = 0; // of all tabs together: the more, the better the gluing
};

// The pieces grown in each order that leaves the fewest; none when the
// caller stopped the unfolding.
std::vector<std::unique_ptr<TPieceGrowth>> GrowPieces(const TFoldGeometry& fold,
                                                      const TUnfoldOptions& options) {
    const TGrowthLimits limits{options.AreaWidth, options.AreaHeight, options.TabWidth};
    std::vector<TJoinOrder> orders;
    if (fold.Edges.FaceCount() <= AllOrdersUpToFaces) {
        for (int order = 0; order < JoinOrderCount; ++order)
            orders.push_back(static_cast<TJoinOrder>(order));
    } else {
        orders = OrdersForLargeModels(*fold.Mesh);
    }
    const int count = static_cast<int>(orders.size());
    std::vector<std::unique_ptr<TPieceGrowth>> best;
    std::size_t bestPieces = 0;
    for (int order = 0; order < count; ++order) {
        const std::vector<int> edges = JoinOrder(fold, orders[order]);
        auto growth = std::make_unique<TPieceGrowth>(fold, limits);
        for (std::size_t i = 0; i < edges.size(); ++i) {
            growth->TryJoin(edges[i]);
            if (options.Progress && i % ReportEvery == 0 &&
                !options.Progress(GrowingShare * (order + double(i) / edges.size()) / count))
                return {};
        }
        const std::size_t pieces = growth->PieceIds().size();
        if (best.empty() || pieces < bestPieces)
            best.clear();
        if (best.empty() || pieces == bestPieces) {
            best.push_back(std::move(growth));
            bestPieces = pieces;
        }
    }
    return best;
}

TLayout LayOut(std::unique_ptr<TPieceGrowth> growth, const TFoldGeometry& fold,
               const TUnfoldOptions& options) {
    TLayout layout;
    const std::vector<int> ids = growth->PieceIds();
    std::vector<TPieceOutline> outlines;
    std::vector<long double> areas;
    for (int id : ids) {
        outlines.push_back(OutlineOf(*growth, fold, id));
        TPointF centroid;
        areas.push_back(PolygonCentroid(outlines.back().Points, centroid));
    }
    std::vector<int> order(ids.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return areas[a] > areas[b]; });
    for (int i : order) {
        layout.Ids.push_back(ids[i]);
        layout.Outlines.push_back(std::move(outlines[i]));
    }

    // Each piece turned where it fits with room for tabs all round, or else
    // where its bare outline fits best and tabs must keep inside.
    layout.Pieces.resize(layout.Outlines.size());
    std::unordered_map<int, TSideRef> sideOf; // by half-edge
    for (std::size_t p = 0; p < layout.Pieces.size(); ++p) {
        const TPieceOutline& outline = layout.Outlines[p];
        TTabbedPiece& piece = layout.Pieces[p];
        piece.Outline = &outline;
        piece.Flanges.assign(outline.Points.size(), TFlange());
        const TDaPointF hull = ConvexHull(outline.Points);
        TAreaFit fit = FitArea(hull, options.AreaWidth, options.AreaHeight, options.TabWidth,
                               growth->FitAngle(layout.Ids[p]), true);
        if (!fit.Fits)
            fit = FitArea(hull, options.AreaWidth, options.AreaHeight, 0, 0, true);
        piece.Angle = fit.Angle;
        piece.KeepInArea = fit.Fits;
        for (std::size_t i = 0; i < outline.Sides.size(); ++i)
            sideOf[outline.Sides[i]] = {static_cast<int>(p), static_cast<int>(i)};
    }

    // The side met first is offered the tab first.
    std::vector<char> met(fold.Edges.HalfEdgeCount(), 0);
    TTabPlacement tabs(layout.Pieces, options.AreaWidth, options.AreaHeight,
                       {options.TabWidth, options.TabAngle1, options.TabAngle2});
    for (std::size_t p = 0; p < layout.Pieces.size(); ++p) {
        const TPieceOutline& outline = layout.Outlines[p];
        for (std::size_t i = 0; i < outline.Sides.size(); ++i) {
            const int partner = fold.Partner(outline.Sides[i]);
            if (partner < 0 || met[outline.Sides[i]])
                continue;
            met[partner] = 1;
            const TSideRef side{static_cast<int>(p), static_cast<int>(i)};
            const TSideRef other = sideOf.at(partner);
            layout.Joints.push_back({side, other});
            switch (tabs.Place(side.Piece, side.Side, other.Piece, other.Side)) {
            case toFull:
                break;
            case toNarrower:
                ++layout.NarrowerTabs;
                break;
            case toNone:
                ++layout.JointsWithoutTab;
                break;
            }
        }
    }
    for (const TTabbedPiece& piece : layout.Pieces) {
        for (const TFlange& flange : piece.Flanges) {
            layout.TabWidth += flange.Width;
            layout.ThinTabs += flange.Width > 0 && flange.Width < UsableTabWidth;
        }
    }
    layout.Growth = std::move(growth);
    return layout;
}

bool Better(const TLayout& a, const TLayout& b) {
    if (a.JointsWithoutTab != b.JointsWithoutTab)
        return a.JointsWithoutTab < b.JointsWithoutTab;
    if (a.ThinTabs != b.ThinTabs)
        return a.ThinTabs < b.ThinTabs;
    return a.TabWidth > b.TabWidth;
}

std::string NextMark(const TUnfoldOptions& options, int& count) {
    return options.NextMark ? options.NextMark() : std::to_string(options.FirstMark + count++);
}

} // namespace

TUnfoldResult UnfoldMesh(const TMesh& mesh, const TUnfoldOptions& options) {
    TUnfoldResult result;
    if (mesh.Faces.empty())
        return result;
    const TFoldGeometry fold = MakeFoldGeometry(mesh);
    std::vector<std::unique_ptr<TPieceGrowth>> grown = GrowPieces(fold, options);
    if (grown.empty()) {
        result.Cancelled = true;
        return result;
    }

    // Of the ways that leave the fewest pieces, the one whose tabs glue best.
    TLayout best;
    for (std::size_t i = 0; i < grown.size(); ++i) {
        TLayout layout = LayOut(std::move(grown[i]), fold, options);
        if (i == 0 || Better(layout, best))
            best = std::move(layout);
        if (options.Progress &&
            !options.Progress(GrowingShare + (1 - GrowingShare) * double(i + 1) / grown.size())) {
            result.Cancelled = true;
            return result;
        }
    }

    // Marks only for the layout kept, so that none of the caller's is spent
    // on the others.
    int marks = 0;
    for (const auto& [side, other] : best.Joints) {
        const std::string mark = NextMark(options, marks);
        best.Pieces[side.Piece].Flanges[side.Side].Name = mark;
        best.Pieces[other.Piece].Flanges[other.Side].Name = mark;
    }
    result.Joints = static_cast<int>(best.Joints.size());
    result.NarrowerTabs = best.NarrowerTabs;
    result.ThinTabs = best.ThinTabs;
    result.JointsWithoutTab = best.JointsWithoutTab;

    for (std::size_t p = 0; p < best.Pieces.size(); ++p) {
        const TPieceOutline& outline = best.Outlines[p];
        TUnfoldedPiece piece;
        piece.Shape.Apexes = outline.Points;
        piece.Shape.Flanges = std::move(best.Pieces[p].Flanges);
        piece.Shape.BendLines = outline.Folds;
        piece.ApexVertices = outline.Vertices;
        piece.Faces = best.Growth->FacesOf(best.Ids[p]);
        piece.Rotation = best.Pieces[p].Angle;
        RotatePoints(piece.Shape.Apexes, PointF(0, 0), piece.Rotation);
        const TBox box = BoxOf(OutlineWithFlanges(piece.Shape));
        for (TPointF& apex : piece.Shape.Apexes)
            apex = PointF(apex.X - box.Left, apex.Y - box.Top);
        piece.Fits = box.Right - box.Left <= options.AreaWidth + AreaFitTolerance &&
                     box.Bottom - box.Top <= options.AreaHeight + AreaFitTolerance;
        result.Pieces.push_back(std::move(piece));
    }
    return result;
}
