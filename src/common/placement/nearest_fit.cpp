// The nearest free place of a shape: among the positions where the shape
// would touch the page's shapes (the edges and corners of its no-fit regions
// against them, where those cross each other, and the border of the positions
// inside the white area), the nearest that no region holds. A grid of cells
// over the positions tells which regions can hold a point or meet another.
#include "placement/nearest_fit.h"

#include "geometry/cached_overlap.h"
#include "placement/clearance_regions.h"
#include "placement/layout_engine.h"
#include "placement/layout_piece.h"
#include "placement/page_collision.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The search keeps this much (mm) beyond the least clearance, far more than
// rounding takes away, so the place it finds passes the overlap rule.
constexpr double SearchHair = 1e-6;
constexpr int ClearanceSides = 16;
// The side of a cell of the grid over the positions, in mm.
constexpr double CellSize = 8;
// Shapes are covered with few parts, a flange joined to its neighbour when
// that covers at most 2 % more: a shape with many flanged sides would
// otherwise give hundreds of regions, and the place found is only a hair
// farther away.
constexpr double CoverSlack = 0.02;

struct TRect {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Holds(const TVec& p) const {
        return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom;
    }
};

double Distance2(const TVec& a, const TVec& b) {
    const double dx = a.X - b.X, dy = a.Y - b.Y;
    return dx * dx + dy * dy;
}

// The regions by the cells of a grid they reach.
class TRegionGrid {
public:
    TRegionGrid(const TClearanceRegions& regions, const TRect& area) : FArea(area) {
        FColumns = std::max(1, static_cast<int>(std::ceil((area.Right - area.Left) / CellSize)));
        FRows = std::max(1, static_cast<int>(std::ceil((area.Bottom - area.Top) / CellSize)));
        FCells.resize(static_cast<std::size_t>(FColumns) * FRows);
        for (int region = 0; region < regions.Size(); ++region) {
            const TRect box{regions.Left(region), regions.Top(region), regions.Right(region),
                            regions.Bottom(region)};
            ForCells(box, [&](std::vector<int>& cell) { cell.push_back(region); });
        }
    }

    template <class TVisit> void ForCells(const TRect& box, TVisit visit) {
        if (box.Right < FArea.Left || box.Left > FArea.Right || box.Bottom < FArea.Top ||
            box.Top > FArea.Bottom)
            return;
        const int c0 = Column(box.Left), c1 = Column(box.Right);
        const int r0 = Row(box.Top), r1 = Row(box.Bottom);
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c)
                visit(FCells[static_cast<std::size_t>(r) * FColumns + c]);
        }
    }

    const std::vector<int>& At(const TVec& p) const {
        return FCells[static_cast<std::size_t>(Row(p.Y)) * FColumns + Column(p.X)];
    }

private:
    int Column(double x) const {
        return std::clamp(static_cast<int>((x - FArea.Left) / CellSize), 0, FColumns - 1);
    }
    int Row(double y) const {
        return std::clamp(static_cast<int>((y - FArea.Top) / CellSize), 0, FRows - 1);
    }

    TRect FArea;
    int FColumns = 1;
    int FRows = 1;
    std::vector<std::vector<int>> FCells;
};

class TFreePlaceSearch {
    struct TSegment {
        TVec A, B;
    };

public:
    TFreePlaceSearch(const TClearanceRegions& regions, const TRect& positions, const TVec& wanted)
        : FRegions(regions), FPositions(positions), FGrid(regions, positions), FWanted(wanted) {}

    // The free positions touching a region's edge or corner or the border of
    // the positions, nearest first.
    std::vector<TVec> Candidates() {
        std::vector<TVec> candidates{Clamped(FWanted)};
        const TRect& r = FPositions;
        const TVec corners[4] = {
            {r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
        for (int k = 0; k < 4; ++k) {
            candidates.push_back(corners[k]);
            AddEdgePoints(corners[k], corners[(k + 1) % 4], candidates);
        }
        for (int region = 0; region < FRegions.Size(); ++region) {
            const TVec* v = FRegions.Vertices(region);
            const int n = FRegions.VertexCount(region);
            for (int i = 0; i < n; ++i) {
                candidates.push_back(v[i]);
                AddEdgePoints(v[i], v[(i + 1) % n], candidates);
                AddBorderCrossings(v[i], v[(i + 1) % n], candidates);
            }
        }
        SortByDistance(candidates);
        return candidates;
    }

    // Where the edges of regions that reach within radius of the wanted
    // position cross each other, nearer than radius, nearest first.
    std::vector<TVec> Crossings(double radius) {
        const TRect reach{FWanted.X - radius, FWanted.Y - radius, FWanted.X + radius,
                          FWanted.Y + radius};
        std::vector<int> near;
        std::vector<bool> seen(FRegions.Size(), false);
        FGrid.ForCells(reach, [&](std::vector<int>& cell) {
            for (const int region : cell) {
                if (!seen[region] && BoxMeets(region, reach)) {
                    seen[region] = true;
                    near.push_back(region);
                }
            }
        });
        std::vector<TVec> crossings;
        for (std::size_t i = 0; i < near.size(); ++i) {
            for (std::size_t j = i + 1; j < near.size(); ++j)
                AddCrossings(near[i], near[j], radius, crossings);
        }
        SortByDistance(crossings);
        return crossings;
    }

    bool Free(const TVec& p) const {
        if (!FPositions.Holds(p))
            return false;
        for (const int region : FGrid.At(p)) {
            if (FRegions.Holds(region, p))
                return false;
        }
        return true;
    }

    const TVec& Wanted() const { return FWanted; }

private:
    TVec Clamped(const TVec& p) const {
        return {std::clamp(p.X, FPositions.Left, FPositions.Right),
                std::clamp(p.Y, FPositions.Top, FPositions.Bottom)};
    }

    // The point of the edge nearest the wanted position.
    void AddEdgePoints(const TVec& a, const TVec& b, std::vector<TVec>& points) const {
        const TVec ab = b - a;
        const double length2 = ab.X * ab.X + ab.Y * ab.Y;
        if (length2 == 0)
            return;
        const TVec aw = FWanted - a;
        const double t = std::clamp((aw.X * ab.X + aw.Y * ab.Y) / length2, 0.0, 1.0);
        points.push_back({a.X + t * ab.X, a.Y + t * ab.Y});
    }

    // Where the edge crosses the lines of the border of the positions.
    void AddBorderCrossings(const TVec& a, const TVec& b, std::vector<TVec>& points) const {
        for (const double x : {FPositions.Left, FPositions.Right}) {
            if ((a.X - x) * (b.X - x) < 0)
                points.push_back({x, a.Y + (x - a.X) * (b.Y - a.Y) / (b.X - a.X)});
        }
        for (const double y : {FPositions.Top, FPositions.Bottom}) {
            if ((a.Y - y) * (b.Y - y) < 0)
                points.push_back({a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y), y});
        }
    }

    bool BoxMeets(int region, const TRect& box) const {
        return FRegions.Left(region) <= box.Right && FRegions.Right(region) >= box.Left &&
               FRegions.Top(region) <= box.Bottom && FRegions.Bottom(region) >= box.Top;
    }

    void AddCrossings(int first, int second, double radius, std::vector<TVec>& points) const {
        const TRect overlap{std::max(FRegions.Left(first), FRegions.Left(second)),
                            std::max(FRegions.Top(first), FRegions.Top(second)),
                            std::min(FRegions.Right(first), FRegions.Right(second)),
                            std::min(FRegions.Bottom(first), FRegions.Bottom(second))};
        const double dx = std::max({overlap.Left - FWanted.X, FWanted.X - overlap.Right, 0.0});
        const double dy = std::max({overlap.Top - FWanted.Y, FWanted.Y - overlap.Bottom, 0.0});
        if (overlap.Left > overlap.Right || overlap.Top > overlap.Bottom ||
            dx * dx + dy * dy >= radius * radius)
            return;
        const std::vector<TSegment> secondEdges = EdgesIn(second, overlap);
        for (const TSegment& e : EdgesIn(first, overlap)) {
            for (const TSegment& f : secondEdges) {
                const double denominator = Cross(e.B - e.A, f.B - f.A);
                if (denominator == 0)
                    continue;
                const double t = Cross(f.A - e.A, f.B - f.A) / denominator;
                const double s = Cross(f.A - e.A, e.B - e.A) / denominator;
                if (t < 0 || t > 1 || s < 0 || s > 1)
                    continue;
                const TVec p{e.A.X + t * (e.B.X - e.A.X), e.A.Y + t * (e.B.Y - e.A.Y)};
                if (Distance2(p, FWanted) < radius * radius)
                    points.push_back(p);
            }
        }
    }

    // The edges of the region that reach into the box.
    std::vector<TSegment> EdgesIn(int region, const TRect& box) const {
        std::vector<TSegment> edges;
        const TVec* v = FRegions.Vertices(region);
        const int n = FRegions.VertexCount(region);
        for (int i = 0; i < n; ++i) {
            const TVec& a = v[i];
            const TVec& b = v[(i + 1) % n];
            if (std::max(a.X, b.X) >= box.Left && std::min(a.X, b.X) <= box.Right &&
                std::max(a.Y, b.Y) >= box.Top && std::min(a.Y, b.Y) <= box.Bottom)
                edges.push_back({a, b});
        }
        return edges;
    }

    void SortByDistance(std::vector<TVec>& points) const {
        std::vector<std::pair<double, std::size_t>> keys(points.size());
        for (std::size_t i = 0; i < points.size(); ++i)
            keys[i] = {Distance2(points[i], FWanted), i};
        std::sort(keys.begin(), keys.end());
        std::vector<TVec> sorted(points.size());
        for (std::size_t i = 0; i < keys.size(); ++i)
            sorted[i] = points[keys[i].second];
        points = std::move(sorted);
    }

    const TClearanceRegions& FRegions;
    TRect FPositions;
    TRegionGrid FGrid;
    TVec FWanted;
};

// The shape moved by move fits by the placement rules themselves.
bool FitsExactly(TPageIndex& index, const TPolygon& shape, const TPointF& move,
                 long double pageWidth, long double pageHeight) {
    TPolygon moved = shape;
    TranslatePolygon(moved, move);
    TPlacementRules rules;
    rules.KeepInside = true;
    rules.AvoidOverlap = true;
    rules.PageWidth = pageWidth;
    rules.PageHeight = pageHeight;
    TPageCollision collision(index, -1, rules);
    return !collision.Collides(moved.Apexes, moved.Flanges);
}

} // namespace

bool NearestFreePlace(const TPolygonTbl& page, const TPolygon& shape, long double pageWidth,
                      long double pageHeight, TPointF& move) {
    TPageIndex index;
    index.Sync(page);
    return NearestFreePlace(page, index, shape, pageWidth, pageHeight, move);
}

bool NearestFreePlace(const TPolygonTbl& page, TPageIndex& index, const TPolygon& shape,
                      long double pageWidth, long double pageHeight, TPointF& move) {
    index.Sync(page);
    if (!(pageWidth > 0 && pageHeight > 0 && std::isfinite(pageWidth) && std::isfinite(pageHeight)))
        return false;
    const TConvexPart clearance = CircumscribedPolygon(
        static_cast<double>(LayoutLeastClearance) + SearchHair, ClearanceSides);
    TLayoutPiece moving;
    if (!MakeLayoutPiece(shape, 0, 0, false, clearance, moving, CoverSlack))
        return false;
    const double margin = static_cast<double>(LayoutLeastClearance);
    const TRect positions{margin, margin, static_cast<double>(pageWidth) - margin - moving.Width,
                          static_cast<double>(pageHeight) - margin - moving.Height};
    if (positions.Left > positions.Right || positions.Top > positions.Bottom)
        return false;
    TClearanceRegions regions;
    for (const TPolygon& other : page) {
        TLayoutPiece placed;
        if (!MakeLayoutPiece(other, 0, 0, false, clearance, placed, CoverSlack))
            continue;
        for (const TConvexPart& grown : placed.Grown) {
            for (const TConvexPart& negated : moving.Negated)
                regions.Add(grown, placed.Corner, negated);
        }
    }
    TFreePlaceSearch search(regions, positions, moving.Corner);
    const auto found = [&](const TVec& p) {
        if (!search.Free(p))
            return false;
        const TPointF shift = PointF(static_cast<long double>(p.X) - moving.Corner.X,
                                     static_cast<long double>(p.Y) - moving.Corner.Y);
        if (!FitsExactly(index, shape, shift, pageWidth, pageHeight))
            return false;
        move = shift;
        return true;
    };
    double best = -1;
    for (const TVec& p : search.Candidates()) {
        if (found(p)) {
            best = std::sqrt(Distance2(p, search.Wanted()));
            break;
        }
    }
    if (best < 0)
        return false;
    for (const TVec& p : search.Crossings(best)) {
        if (found(p))
            break;
    }
    return true;
}
