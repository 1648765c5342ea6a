// Whether a polygon face is flat and simple enough to stay one face, and its
// split into triangles when it is not.
#pragma once

#include "unfolding/mesh.h"

#include <vector>

// True when every corner lies within tolerance of the face's plane and the
// outline, seen along the face's normal, does not cross itself.
bool IsFlatSimpleFace(const TMesh& mesh, const TMeshFace& face, long double tolerance);

// Triangles covering the face, cut off one corner at a time as seen along its
// normal, in the face's vertex order.
std::vector<TMeshFace> SplitIntoTriangles(const TMesh& mesh, const TMeshFace& face);
