// Checks of an unfolding from its pieces and the cleaned mesh alone.
#include "common/unfolding/unfold_checks.h"

#include "geometry/bounding_box.h"
#include "geometry/flange_outline.h"
#include "geometry/intersection.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <set>
#include <sstream>

namespace {

std::string Text(const std::string& what, long double value = 0) {
    std::ostringstream out;
    out << what;
    if (value != 0)
        out << " " << static_cast<double>(value);
    return out.str();
}

std::map<std::pair<int, int>, int> EdgeUses(const TMesh& mesh) {
    std::map<std::pair<int, int>, int> uses;
    for (const TMeshFace& face : mesh.Faces)
        for (std::size_t i = 0; i < face.size(); ++i)
            ++uses[std::minmax(face[i], face[(i + 1) % face.size()])];
    return uses;
}

// A map from the piece's plane to space: p goes to Origin + p.X * AxisX + p.Y * AxisY.
struct TPlacement {
    TMeshPoint Origin, AxisX, AxisY;
    TMeshPoint operator()(const TPointF& p) const { return Origin + AxisX * p.X + AxisY * p.Y; }
};

// The vector turned about the unit axis by angle (Rodrigues' formula).
TMeshPoint Turned(const TMeshPoint& v, const TMeshPoint& axis, long double angle) {
    return v * std::cos(angle) + Cross(axis, v) * std::sin(angle) +
           axis * (Dot(axis, v) * (1 - std::cos(angle)));
}

// The regions into which the fold lines cut a piece, each as outline indices,
// and for each fold line the regions on its two sides.
struct TRegions {
    std::vector<std::vector<int>> Corners;
    bool LeftInside = true; // a region lies left of its edges (as the coordinates run)
    std::map<std::pair<int, int>, int> RegionOfEdge; // directed: region left of it
    bool Sound = true;
};

TRegions RegionsOf(const TPolygon& shape) {
    TRegions regions;
    const int n = static_cast<int>(shape.Apexes.size());
    std::vector<std::vector<std::pair<long double, int>>> around(n);
    auto link = [&](int a, int b) {
        for (auto [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
            const TPointF& p = shape.Apexes[from];
            const TPointF& q = shape.Apexes[to];
            around[from].push_back({std::atan2(q.Y - p.Y, q.X - p.X), to});
        }
    };
    for (int i = 0; i < n; ++i)
        link(i, (i + 1) % n);
    for (const TDaBendLine& set : shape.BendLines)
        for (const TBendLine& line : set)
            link(line.Apex1, line.Apex2);
    for (auto& list : around)
        std::sort(list.begin(), list.end());

    for (int start = 0; start < n; ++start) {
        for (const auto& [angle, first] : around[start]) {
            if (regions.RegionOfEdge.count({start, first}))
                continue;
            std::vector<int> corners;
            int from = start, to = first;
            const int region = static_cast<int>(regions.Corners.size());
            while (!regions.RegionOfEdge.count({from, to})) {
                regions.RegionOfEdge[{from, to}] = region;
                corners.push_back(from);
                const auto& list = around[to];
                const auto back = std::find_if(list.begin(), list.end(), [&](const auto& entry) {
                    return entry.second == from;
                });
                const std::size_t k = static_cast<std::size_t>(back - list.begin());
                const int next = list[(k + list.size() - 1) % list.size()].second;
                from = to;
                to = next;
                if (corners.size() > static_cast<std::size_t>(4 * n)) {
                    regions.Sound = false;
                    return regions;
                }
            }
            regions.Corners.push_back(corners);
        }
    }
    // The outer region turns the other way round than all the others.
    std::vector<long double> signedArea;
    for (const std::vector<int>& corners : regions.Corners) {
        long double sum = 0;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const TPointF& a = shape.Apexes[corners[i]];
            const TPointF& b = shape.Apexes[corners[(i + 1) % corners.size()]];
            sum += a.X * b.Y - b.X * a.Y;
        }
        signedArea.push_back(sum);
    }
    const auto [lowest, highest] = std::minmax_element(signedArea.begin(), signedArea.end());
    const auto outer = *lowest < 0 && -*lowest > *highest ? lowest : highest;
    for (auto other = signedArea.begin(); other != signedArea.end(); ++other)
        if (other != outer && (*other > 0) == (*outer > 0))
            regions.Sound = false;
    regions.Corners[outer - signedArea.begin()].clear();
    regions.LeftInside = *outer < 0;
    return regions;
}

} // namespace

TFindings SelfOverlaps(const TPolygon& shape) {
    TFindings findings;
    const TDaPointF outline = OutlineWithFlanges(shape);
    const std::size_t n = outline.size();
    auto side = [&](std::size_t i) { return MakeSegment(outline[i], outline[(i + 1) % n]); };
    for (std::size_t i = 0; i < n; ++i) {
        // Neighbouring sides share a vertex; they must not run back on each other.
        const TPointF& a = outline[i];
        const TPointF& b = outline[(i + 1) % n];
        const TPointF& c = outline[(i + 2) % n];
        const long double cross = (b.X - a.X) * (c.Y - b.Y) - (b.Y - a.Y) * (c.X - b.X);
        const long double dot = (b.X - a.X) * (c.X - b.X) + (b.Y - a.Y) * (c.Y - b.Y);
        if (dot < 0 && std::fabs(cross) <= 1e-12L * PointDistance(a, b) * PointDistance(b, c))
            findings.push_back(Text("the outline turns back on itself at its point", (i + 1) % n));
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            TPointF point;
            bool collinear = false;
            if (SegmentsIntersect(side(i), side(j), point, collinear))
                findings.push_back(Text("sides of the outline meet: " + std::to_string(i) + " and",
                                        static_cast<long double>(j)));
        }
    }
    return findings;
}

TFindings OutsideArea(const TPolygon& shape, long double width, long double height) {
    const TBox box = BoxOf(OutlineWithFlanges(shape));
    constexpr long double Tolerance = 1e-6L;
    TFindings findings;
    if (box.Left < -Tolerance || box.Top < -Tolerance)
        findings.push_back("the piece starts before the white area");
    if (box.Right > width + Tolerance)
        findings.push_back(Text("the piece is wider than the white area:", box.Right));
    if (box.Bottom > height + Tolerance)
        findings.push_back(Text("the piece is taller than the white area:", box.Bottom));
    return findings;
}

TFindings JointFaults(const TUnfoldResult& result, const TMesh& mesh) {
    struct TMarked {
        int From, To;
        long double Length, Width;
    };
    TFindings findings;
    const auto uses = EdgeUses(mesh);
    std::map<std::string, std::vector<TMarked>> marked;
    for (const TUnfoldedPiece& piece : result.Pieces) {
        const std::size_t n = piece.Shape.Apexes.size();
        for (std::size_t i = 0; i < n; ++i) {
            const int from = piece.ApexVertices[i], to = piece.ApexVertices[(i + 1) % n];
            const TFlange& flange = piece.Shape.Flanges[i];
            if (flange.Name.empty()) {
                if (uses.at(std::minmax(from, to)) == 2)
                    findings.push_back("a side without a mark lies on an edge of two faces");
                continue;
            }
            marked[flange.Name].push_back(
                {from, to, PointDistance(piece.Shape.Apexes[i], piece.Shape.Apexes[(i + 1) % n]),
                 flange.Width});
        }
    }
    if (static_cast<int>(marked.size()) != result.Joints)
        findings.push_back(Text("marks counted differ from the joints reported:",
                                static_cast<long double>(marked.size())));
    for (const auto& [name, sides] : marked) {
        if (sides.size() != 2) {
            findings.push_back("mark " + name + " is on " + std::to_string(sides.size()) +
                               " sides");
            continue;
        }
        if (sides[0].From != sides[1].To || sides[0].To != sides[1].From)
            findings.push_back("mark " + name + " joins sides of different edges");
        if (std::fabs(sides[0].Length - sides[1].Length) > 1e-6L)
            findings.push_back(Text("mark " + name + " joins sides of different length, by",
                                    sides[0].Length - sides[1].Length));
        if ((sides[0].Width > 0) == (sides[1].Width > 0))
            findings.push_back("mark " + name + " has a tab on both sides or on none");
    }
    return findings;
}

TFindings RefoldFaults(const TUnfoldResult& result, const TMesh& mesh, long double tolerance) {
    TFindings findings;
    std::map<std::vector<int>, int> faceOf;
    for (int f = 0; f < static_cast<int>(mesh.Faces.size()); ++f) {
        std::vector<int> key = mesh.Faces[f];
        std::sort(key.begin(), key.end());
        faceOf[key] = f;
    }
    std::vector<int> seen(mesh.Faces.size(), 0);
    for (std::size_t p = 0; p < result.Pieces.size(); ++p) {
        const TUnfoldedPiece& piece = result.Pieces[p];
        const std::string where = "piece " + std::to_string(p) + ": ";
        const TRegions regions = RegionsOf(piece.Shape);
        if (!regions.Sound) {
            findings.push_back(where + "its fold lines do not cut it into regions");
            continue;
        }
        // The mesh face of each region.
        std::vector<int> faces(regions.Corners.size(), -1);
        for (std::size_t r = 0; r < regions.Corners.size(); ++r) {
            if (regions.Corners[r].empty())
                continue;
            std::vector<int> key;
            for (int corner : regions.Corners[r])
                key.push_back(piece.ApexVertices[corner]);
            std::sort(key.begin(), key.end());
            const auto found = faceOf.find(key);
            if (found == faceOf.end()) {
                findings.push_back(where + "a region is no face of the mesh");
                continue;
            }
            faces[r] = found->second;
            ++seen[found->second];
        }

        // Lay the first region onto its face, then fold region by region.
        std::vector<TPlacement> placed(regions.Corners.size());
        std::vector<char> done(regions.Corners.size(), 0);
        std::queue<int> next;
        auto check = [&](int region) {
            for (int corner : regions.Corners[region]) {
                const long double off = Length(placed[region](piece.Shape.Apexes[corner]) -
                                               mesh.Vertices[piece.ApexVertices[corner]]);
                if (off > tolerance)
                    findings.push_back(Text(where + "a folded vertex lies off the mesh's by", off));
            }
        };
        for (std::size_t r = 0; r < regions.Corners.size() && next.empty(); ++r) {
            if (faces[r] < 0)
                continue;
            const std::vector<int>& corners = regions.Corners[r];
            const TPointF& p0 = piece.Shape.Apexes[corners[0]];
            const TPointF& p1 = piece.Shape.Apexes[corners[1]];
            const long double length = PointDistance(p0, p1);
            const TPointF e1 = PointF((p1.X - p0.X) / length, (p1.Y - p0.Y) / length);
            // Seen from outside, with Y downward on paper: "up" on the
            // paper is -Y, and the face's up is normal x first axis.
            const TPointF up = PointF(e1.Y, -e1.X);
            const TMeshPoint& v0 = mesh.Vertices[piece.ApexVertices[corners[0]]];
            const TMeshPoint axis1 = Normalized(mesh.Vertices[piece.ApexVertices[corners[1]]] - v0);
            const TMeshPoint axis2 = Cross(FaceNormal(mesh, mesh.Faces[faces[r]]), axis1);
            TPlacement& placement = placed[r];
            placement.AxisX = axis1 * e1.X + axis2 * up.X;
            placement.AxisY = axis1 * e1.Y + axis2 * up.Y;
            placement.Origin = v0 - placement.AxisX * p0.X - placement.AxisY * p0.Y;
            done[r] = 1;
            check(static_cast<int>(r));
            next.push(static_cast<int>(r));
        }
        while (!next.empty()) {
            const int region = next.front();
            next.pop();
            for (int set = 0; set < 2; ++set) {
                for (const TBendLine& line : piece.Shape.BendLines[set]) {
                    for (auto [a, b] :
                         {std::pair{line.Apex1, line.Apex2}, std::pair{line.Apex2, line.Apex1}}) {
                        if (regions.RegionOfEdge.at({a, b}) != region)
                            continue;
                        const int other = regions.RegionOfEdge.at({b, a});
                        if (done[other] || faces[other] < 0 || faces[region] < 0)
                            continue;
                        const TPlacement& here = placed[region];
                        const TMeshPoint hinge = here(piece.Shape.Apexes[a]);
                        const TMeshPoint axis = Normalized(here(piece.Shape.Apexes[b]) - hinge);
                        const TMeshPoint normal = FaceNormal(mesh, mesh.Faces[faces[region]]);
                        const long double angle =
                            AngleBetween(normal, FaceNormal(mesh, mesh.Faces[faces[other]]));
                        // Which way the other region turns for a positive angle,
                        // from a point of it just beside the middle of the fold line.
                        const TPointF& pa = piece.Shape.Apexes[a];
                        const TPointF& pb = piece.Shape.Apexes[b];
                        const long double side = regions.LeftInside ? 1e-3L : -1e-3L;
                        // The other region has the fold line as its side from b to a.
                        const TPointF inside = PointF((pa.X + pb.X) / 2 + side * (pb.Y - pa.Y),
                                                      (pa.Y + pb.Y) / 2 + side * (pa.X - pb.X));
                        const long double towardsViewer =
                            Dot(Cross(axis, here(inside) - hinge), normal);
                        // A mountain fold takes the paper away from the printed side.
                        const long double turn = (set == 0) == (towardsViewer > 0) ? -angle : angle;
                        TPlacement& there = placed[other];
                        there.AxisX = Turned(here.AxisX, axis, turn);
                        there.AxisY = Turned(here.AxisY, axis, turn);
                        there.Origin = hinge + Turned(here.Origin - hinge, axis, turn);
                        done[other] = 1;
                        check(other);
                        next.push(other);
                    }
                }
            }
        }
        for (std::size_t r = 0; r < regions.Corners.size(); ++r)
            if (!regions.Corners[r].empty() && faces[r] >= 0 && !done[r])
                findings.push_back(where + "a region is not reached through fold lines");
    }
    for (std::size_t f = 0; f < seen.size(); ++f)
        if (seen[f] != 1)
            findings.push_back("face " + std::to_string(f) + " is in " + std::to_string(seen[f]) +
                               " pieces");
    return findings;
}

long double PiecesArea(const TUnfoldResult& result) {
    long double area = 0;
    for (const TUnfoldedPiece& piece : result.Pieces) {
        TPointF centroid;
        area += PolygonCentroid(piece.Shape.Apexes, centroid);
    }
    return area;
}
