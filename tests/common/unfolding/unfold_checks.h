// Checks of an unfolding made from its pieces and the cleaned mesh alone,
// without the unfolding's own workings: each returns what it found wrong,
// one line per fault, empty when all is well.
#pragma once

#include "unfolding/mesh.h"
#include "unfolding/mesh_unfolding.h"

#include <string>
#include <vector>

using TFindings = std::vector<std::string>;

// The outline with its flanges never crosses or touches itself, and no two
// neighbouring sides lie back on one another.
TFindings SelfOverlaps(const TPolygon& shape);

// The outline with its flanges lies inside width x height from (0, 0).
TFindings OutsideArea(const TPolygon& shape, long double width, long double height);

// Every mark is carried by exactly two sides that run along the same mesh
// edge in opposite directions, equally long, exactly one with a tab; every
// side without a mark lies on an edge of the mesh that has one face only.
TFindings JointFaults(const TUnfoldResult& result, const TMesh& mesh);

// Folding each piece along its fold lines by the angles between the mesh's
// faces, mountain folds away from the printed side and valley folds towards
// it, brings every vertex onto the mesh's own vertex. Each face of the mesh
// must be a region of exactly one piece.
TFindings RefoldFaults(const TUnfoldResult& result, const TMesh& mesh, long double tolerance);

long double PiecesArea(const TUnfoldResult& result);
