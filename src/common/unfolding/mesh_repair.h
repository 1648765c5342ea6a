// Repairs of a mesh's connectivity: corners of one face that lie on a side of
// its neighbour are put into that side, and faces are turned so that they all
// face outward like their neighbours.
#pragma once

#include "unfolding/mesh.h"

// Every corner that lies on an open side of another face, within tolerance
// and between its ends, becomes a corner of that side too, moved onto it, so
// that the faces share their edges again (as they did before a zero-area face
// between them was dropped). The count of corners put in.
int CloseTJunctions(TMesh& mesh, long double tolerance);

// Turns faces so that neighbours agree which side is outside: a closed part
// ends facing away from its inside, an open one keeps the way most of its
// faces came. The count of faces turned.
int OrientFaces(TMesh& mesh);
