// The list operations on a shape that keep its vertices, flanges and fold lines
// in step: inserting and deleting a vertex, splitting a side, and adding,
// finding, removing and toggling a fold line. They record nothing; the editor's
// commands and its undo and redo share them.
#pragma once

#include "geometry/polygon.h"

// Where a fold line is held: its set (0 or 1) and its position in that set.
struct TBendLinePos {
    int Set = -1;
    int Position = -1;
};

// Gives the shape exactly one flange per vertex, adding empty flanges or
// dropping surplus ones: a shape from anywhere may carry a flange list of
// another length, and the list operations keep vertex i paired with flange i.
void PairFlangesWithApexes(TPolygon& polygon);

// Inserts a vertex with the flange of the side it starts at index (0 to n),
// moving the later vertices up; fold-line ends are renumbered so that every
// fold line still joins the same two vertices. False, changing nothing, for an
// index outside 0 to n.
bool InsertApex(TPolygon& polygon, int index, const TPointF& point, const TFlange& flange);

// Inserts the midpoint of side `side` (from vertex side to vertex side + 1, the
// closing side for the last vertex) after its first vertex; both halves carry
// the old side's flange. Returns the new vertex's index (side + 1, n for the
// closing side), or -1, changing nothing, when side names no vertex.
int SplitSide(TPolygon& polygon, int side);

// Deletes vertex index and its flange. Fold lines ending at it are dropped, the
// set's last entry taking the place of each, and the others renumbered. False,
// changing nothing, for an index that names no vertex.
bool DeleteApex(TPolygon& polygon, int index);

// Appends the fold line between the two vertices, smaller index first, to set
// lineSet. False, changing nothing, for a set other than 0 or 1 or an end that
// names no vertex.
bool AddBendLine(TPolygon& polygon, int lineSet, int apex1, int apex2);

// Removes entry position of set lineSet, the set's last entry taking its place.
// False, changing nothing, when set or position name no entry.
bool RemoveBendLine(TPolygon& polygon, int lineSet, int position);

// The first entry, set 1 before set 2, that joins the two vertices stored
// smaller index first; an entry stored the other way round is not found.
bool FindBendLine(const TPolygon& polygon, int apex1, int apex2, TBendLinePos& found);

// What toggling a fold line changed: the entry removed (as it was stored) and
// the entry added.
struct TBendLineToggle {
    bool Removed = false;
    int RemovedSet = -1;
    TBendLine RemovedLine;
    bool Added = false;
    int AddedSet = -1;
    TBendLine AddedLine;
};

// Switches the fold line between the two vertices in set lineSet: a line held
// in that set is removed, one held in the other set moves to it, and one held
// in neither is added, smaller index first. Nothing for one vertex twice, a set
// other than 0 or 1 or an end that names no vertex.
TBendLineToggle ToggleBendLine(TPolygon& polygon, int lineSet, int apex1, int apex2);
