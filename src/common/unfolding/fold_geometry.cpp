// A cleaned mesh made ready to unfold.
#include "unfolding/fold_geometry.h"
#include "geometry/angles.h"

#include <cmath>

namespace {

constexpr long double FullTurn = 2 * Pi;

} // namespace

TFoldGeometry MakeFoldGeometry(const TMesh& mesh) {
    TFoldGeometry fold;
    fold.Mesh = &mesh;
    fold.Edges = BuildMeshEdges(mesh);
    const TMeshEdges& edges = fold.Edges;
    const int count = edges.HalfEdgeCount();
    fold.Flat.resize(count);
    fold.CornerAngle.resize(count);
    fold.Joinable.assign(count, 0);
    fold.Fold.assign(count, 0);
    fold.FaceArea.resize(edges.FaceCount());
    fold.Normal.resize(edges.FaceCount());

    for (int f = 0; f < edges.FaceCount(); ++f) {
        const TMeshFace& face = mesh.Faces[f];
        const TMeshPoint normal = FaceNormal(mesh, face);
        fold.Normal[f] = normal;
        fold.FaceArea[f] = FaceArea(mesh, face);
        const TMeshPoint& origin = mesh.Vertices[face[0]];
        const TMeshPoint u = Normalized(mesh.Vertices[face[1]] - origin);
        const TMeshPoint v = Cross(normal, u);
        const int n = static_cast<int>(face.size());
        for (int i = 0; i < n; ++i) {
            const int h = edges.FaceStart[f] + i;
            const TMeshPoint& here = mesh.Vertices[face[i]];
            const TMeshPoint d = here - origin;
            // Seen from outside the normal points at the viewer; on paper Y
            // runs downward, so the face's own "up" becomes -Y.
            fold.Flat[h] = PointF(Dot(d, u), -Dot(d, v));
            const TMeshPoint out = mesh.Vertices[face[(i + 1) % n]] - here;
            const TMeshPoint in = mesh.Vertices[face[(i + n - 1) % n]] - here;
            long double angle = std::atan2(Dot(Cross(out, in), normal), Dot(out, in));
            if (angle <= 0)
                angle += FullTurn;
            fold.CornerAngle[h] = angle;
        }
    }
    for (int h = 0; h < count; ++h) {
        const int partner = edges.Partner[h];
        if (partner < 0)
            continue;
        fold.Joinable[h] = edges.Opposed[h];
        const TMeshPoint& n1 = fold.Normal[edges.Face[h]];
        const TMeshPoint& n2 = fold.Normal[edges.Face[partner]];
        const long double angle = AngleBetween(n1, n2);
        const TMeshPoint along = mesh.Vertices[edges.To[h]] - mesh.Vertices[edges.From[h]];
        fold.Fold[h] = Dot(Cross(n1, n2), along) >= 0 ? angle : -angle;
    }
    return fold;
}
