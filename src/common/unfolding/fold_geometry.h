// A cleaned mesh made ready to unfold: every face laid flat on its own, as
// seen from outside, with the angles at its corners, and the fold angle of
// every edge between two faces.
#pragma once

#include "geometry/polygon.h"
#include "unfolding/mesh.h"
#include "unfolding/mesh_edges.h"

#include <vector>

struct TFoldGeometry {
    const TMesh* Mesh = nullptr;
    TMeshEdges Edges;
    // Per half-edge: where its first vertex lies when its face alone is laid
    // flat, printed side up (Y downward as on paper).
    TDaPointF Flat;
    // Per half-edge: the angle of its face at its first vertex, in (0, 2pi).
    std::vector<long double> CornerAngle;
    // Per half-edge: true when the piece may fold there: the partner runs the
    // other way, so both faces agree which side is outside.
    std::vector<char> Joinable;
    // Per half-edge with a partner: the angle between the two faces' normals,
    // positive where the edge is convex (a mountain fold seen from outside),
    // negative where it is concave.
    std::vector<long double> Fold;
    std::vector<long double> FaceArea;
    std::vector<TMeshPoint> Normal;

    int Partner(int halfEdge) const { return Edges.Partner[halfEdge]; }
};

// mesh must stay alive and unchanged while the result is used.
TFoldGeometry MakeFoldGeometry(const TMesh& mesh);
