// Turning a mesh as a file holds it into one that unfolds: scaled to
// millimetres, its points merged, its broken and zero-area faces dropped, its
// bent polygons split, its faces turned outward and its flat neighbours joined.
#pragma once

#include "geometry/angles.h"
#include "unfolding/mesh.h"

struct TCleaningOptions {
    // The model's largest dimension in millimetres; 0 takes one unit of the
    // file as one millimetre.
    long double Size = 0;
    // Neighbours whose normals differ by less than this (radians) count as
    // one flat face.
    long double FlatAngle = DegToRad(0.5L);
};

struct TCleaningReport {
    long double Scale = 1;  // millimetres per unit of the file
    int MergedVertices = 0; // points merged into a point within the merge distance
    int DroppedFaces = 0;   // faces with zero area or with corners that do not exist
    int SplitFaces = 0;     // polygons that were not flat, split into triangles
    int JoinedFaces = 0;    // faces joined into a flat neighbour
    int CutEdges = 0;       // edges shared by more than two faces, cut there
    int TurnedFaces = 0;    // faces turned to face outward like their neighbours
};

// Points closer than this share of the model's largest dimension are one point.
inline constexpr long double MergeShare = 1e-6L;

// The largest dimension of the box round the faces that have all their
// corners, in the file's units; 0 when there are none, and not finite when
// the file's numbers are too large to subtract.
long double ModelSize(const TMesh& mesh);

// The cleaned mesh in millimetres, centred on its bounding box; empty when the
// mesh has no face with an area.
TMesh CleanMesh(const TMesh& mesh, const TCleaningOptions& options, TCleaningReport& report);
