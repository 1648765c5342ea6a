// Flatness of polygon faces and their split into triangles.
#include "unfolding/face_split.h"

#include <cmath>

namespace {

struct TPlanePoint {
    long double U = 0;
    long double V = 0;
};

// The face's normal; for an outline that crosses itself so that its parts
// cancel out, that of the first of its corner triangles that has one.
TMeshPoint PlaneNormal(const TMesh& mesh, const TMeshFace& face) {
    TMeshPoint normal = FaceNormal(mesh, face);
    for (std::size_t i = 1; i + 1 < face.size() && Length(normal) == 0; ++i)
        normal = FaceNormal(mesh, {face[0], face[i], face[i + 1]});
    return normal;
}

// The face's corners in a frame of its own plane, counter-clockwise.
std::vector<TPlanePoint> Projected(const TMesh& mesh, const TMeshFace& face) {
    const TMeshPoint normal = PlaneNormal(mesh, face);
    // Any direction across the normal serves as the first axis.
    const TMeshPoint helper =
        std::fabs(normal.X) < 0.6L ? TMeshPoint{1, 0, 0} : TMeshPoint{0, 1, 0};
    const TMeshPoint u = Normalized(Cross(helper, normal));
    const TMeshPoint v = Cross(normal, u);
    const TMeshPoint& origin = mesh.Vertices[face[0]];
    std::vector<TPlanePoint> points;
    points.reserve(face.size());
    for (int vertex : face) {
        const TMeshPoint d = mesh.Vertices[vertex] - origin;
        points.push_back({Dot(d, u), Dot(d, v)});
    }
    return points;
}

long double Turn(const TPlanePoint& a, const TPlanePoint& b, const TPlanePoint& c) {
    return (b.U - a.U) * (c.V - a.V) - (b.V - a.V) * (c.U - a.U);
}

bool SegmentsCross(const TPlanePoint& a, const TPlanePoint& b, const TPlanePoint& c,
                   const TPlanePoint& d) {
    const long double d1 = Turn(c, d, a), d2 = Turn(c, d, b);
    const long double d3 = Turn(a, b, c), d4 = Turn(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    auto onSegment = [](const TPlanePoint& p, const TPlanePoint& q, const TPlanePoint& r) {
        return std::fmin(p.U, q.U) <= r.U && r.U <= std::fmax(p.U, q.U) &&
               std::fmin(p.V, q.V) <= r.V && r.V <= std::fmax(p.V, q.V);
    };
    return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b)) ||
           (d3 == 0 && onSegment(a, b, c)) || (d4 == 0 && onSegment(a, b, d));
}

bool IsSimple(const std::vector<TPlanePoint>& points) {
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            // Neighbouring sides share a corner; the first and the last too.
            if (j == i + 1 || (i == 0 && j == n - 1))
                continue;
            if (SegmentsCross(points[i], points[(i + 1) % n], points[j], points[(j + 1) % n]))
                return false;
        }
    }
    return true;
}

bool InsideTriangle(const TPlanePoint& p, const TPlanePoint& a, const TPlanePoint& b,
                    const TPlanePoint& c) {
    return Turn(a, b, p) >= 0 && Turn(b, c, p) >= 0 && Turn(c, a, p) >= 0;
}

} // namespace

bool IsFlatSimpleFace(const TMesh& mesh, const TMeshFace& face, long double tolerance) {
    const TMeshPoint normal = FaceNormal(mesh, face);
    if (Length(normal) == 0)
        return false;
    const TMeshPoint centre = FaceCentroid(mesh, face);
    for (int vertex : face)
        if (std::fabs(Dot(mesh.Vertices[vertex] - centre, normal)) > tolerance)
            return false;
    return IsSimple(Projected(mesh, face));
}

std::vector<TMeshFace> SplitIntoTriangles(const TMesh& mesh, const TMeshFace& face) {
    std::vector<TMeshFace> triangles;
    const std::vector<TPlanePoint> points = Projected(mesh, face);
    std::vector<int> left(face.size()); // positions in face still on the outline
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = static_cast<int>(i);
    while (left.size() > 3) {
        const std::size_t n = left.size();
        std::size_t ear = n;
        for (std::size_t i = 0; i < n && ear == n; ++i) {
            const TPlanePoint& a = points[left[(i + n - 1) % n]];
            const TPlanePoint& b = points[left[i]];
            const TPlanePoint& c = points[left[(i + 1) % n]];
            if (Turn(a, b, c) <= 0)
                continue;
            bool empty = true;
            for (std::size_t j = 0; j < n && empty; ++j) {
                if (j == i || j == (i + 1) % n || j == (i + n - 1) % n)
                    continue;
                empty = !InsideTriangle(points[left[j]], a, b, c);
            }
            if (empty)
                ear = i;
        }
        // An outline too twisted to have an ear is cut as a fan from its first
        // corner left.
        if (ear == n)
            ear = 1;
        triangles.push_back(
            {face[left[(ear + n - 1) % n]], face[left[ear]], face[left[(ear + 1) % n]]});
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(ear));
    }
    triangles.push_back({face[left[0]], face[left[1]], face[left[2]]});
    return triangles;
}
