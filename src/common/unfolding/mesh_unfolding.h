// Unfolding a cleaned mesh into flat pieces that each fit a page's white
// area: shapes whose outlines run round their faces, with the edges inside as
// mountain and valley fold lines and every cut edge a joint of two sides that
// carry one mark, one of them with a tab.
#pragma once

#include "geometry/angles.h"
#include "geometry/polygon.h"
#include "unfolding/mesh.h"

#include <functional>
#include <string>
#include <vector>

struct TUnfoldOptions {
    long double AreaWidth = 190; // the white area of a page, mm
    long double AreaHeight = 277;
    long double TabWidth = 5; // mm
    long double TabAngle1 = Pi / 4;
    long double TabAngle2 = Pi / 4;
    // The mark of the next joint, called once for each joint of the pieces
    // returned; when empty the joints are numbered from FirstMark on.
    std::function<std::string()> NextMark;
    int FirstMark = 1;
    // Told the share of the work done, from 0 to 1; returning false stops the
    // unfolding, which then returns no pieces.
    std::function<bool(double)> Progress;
};

struct TUnfoldedPiece {
    // Seen from the printed side, which is the model's outside. Mountain folds
    // are in fold-line set 1, valley folds in set 2. The piece is turned to
    // fit the white area upright and its box, tabs included, starts at (0, 0).
    TPolygon Shape;
    std::vector<int> ApexVertices; // the mesh vertex at each vertex of the outline
    std::vector<int> Faces;        // the mesh faces it holds
    long double Rotation = 0;      // radians it was turned (RotatePoints' sense)
    bool Fits = false;             // fits the white area, tabs included
};

struct TUnfoldResult {
    std::vector<TUnfoldedPiece> Pieces; // largest first
    int Joints = 0;                     // cut edges, each a pair of sides with one mark
    int NarrowerTabs = 0;               // tabs made narrower than asked, or turned, to fit
    int ThinTabs = 0;         // of those, tabs narrower than UsableTabWidth (joint_tabs.h)
    int JointsWithoutTab = 0; // joints where no tab fitted on either side
    bool Cancelled = false;
};

TUnfoldResult UnfoldMesh(const TMesh& mesh, const TUnfoldOptions& options);
