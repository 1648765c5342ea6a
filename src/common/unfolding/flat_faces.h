// Neighbouring faces that lie within a small angle of one plane, joined into
// one flat face.
#pragma once

#include "unfolding/mesh.h"

// Grows flat faces from the largest face down: a neighbour joins while its
// normal lies within maxAngle of the first face's and the joined outline stays
// one loop that passes each corner once. Its corners are moved onto the plane
// of the first face, so that the flat face is flat; a corner further from that
// plane than onPlane is moved only when nothing else that must stay flat holds
// it (a polygon face or another flat face), else the neighbour does not join.
// The count of faces joined into others.
int JoinFlatFaces(TMesh& mesh, long double maxAngle, long double onPlane);
