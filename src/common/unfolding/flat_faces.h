// Neighbouring faces that lie within a small angle of one plane, joined into
// one flat face.
#pragma once

#include "unfolding/mesh.h"

// Grows flat faces from the largest face down: a neighbour joins while its
// normal lies within maxAngle of the first face's and the joined outline stays
// one loop that passes each corner once. First only faces whose corners lie
// within onPlane of the first face's plane join; then also those whose
// corners can be moved onto it, when nothing else that must stay flat holds
// them (a polygon face or another flat face). The count of faces joined into
// others.
int JoinFlatFaces(TMesh& mesh, long double maxAngle, long double onPlane);
