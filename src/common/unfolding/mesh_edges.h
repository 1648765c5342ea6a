// The sides of a mesh's faces as half-edges, each running from one corner of
// its face to the next, and which two sides lie on the same edge.
#pragma once

#include "unfolding/mesh.h"

#include <vector>

struct TMeshEdges {
    std::vector<int> FaceStart; // first half-edge of each face, and one past the last
    std::vector<int> Face;      // the face of each half-edge
    std::vector<int> From;      // the vertex it starts at
    std::vector<int> To;        // the vertex it ends at
    // The other side of the same edge; -1 for a side of an open edge (a hole's
    // rim) and for every side of an edge that more than two faces share.
    std::vector<int> Partner;
    // True when the partner runs the other way, so that both faces agree
    // which side of the surface is outside.
    std::vector<char> Opposed;
    int CrowdedEdges = 0; // edges shared by more than two faces

    int HalfEdgeCount() const { return static_cast<int>(From.size()); }
    int FaceCount() const { return static_cast<int>(FaceStart.size()) - 1; }
    int Next(int halfEdge) const {
        return halfEdge + 1 < FaceStart[Face[halfEdge] + 1] ? halfEdge + 1
                                                            : FaceStart[Face[halfEdge]];
    }
    int Prev(int halfEdge) const {
        return halfEdge > FaceStart[Face[halfEdge]] ? halfEdge - 1
                                                    : FaceStart[Face[halfEdge] + 1] - 1;
    }
};

TMeshEdges BuildMeshEdges(const TMesh& mesh);
