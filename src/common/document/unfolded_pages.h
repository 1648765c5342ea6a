// A 3D model's mesh made into pages of pieces: cleaned and scaled, unfolded
// into pieces with fold lines, joints marked with the drawing's free marks
// and tabs, and laid out onto pages of their own. Keeps no state, so a window
// runs it on a worker thread; the result goes to the sheet document's
// AddShapePages.
#pragma once

#include "document/free_joint_marks.h"
#include "geometry/angles.h"
#include "geometry/polygon.h"
#include "unfolding/mesh.h"
#include "unfolding/mesh_cleaning.h"

#include <functional>
#include <vector>

struct TMeshImportOptions {
    // The model's largest dimension in mm; 0 takes one unit of the file as
    // one millimetre.
    long double Size = 0;
    long double TabWidth = 5; // mm
    long double TabAngle1 = Pi / 4;
    long double TabAngle2 = Pi / 4;
    // Neighbouring faces whose planes differ by less than this (radians)
    // count as one flat face.
    long double FlatAngle = DegToRad(0.5L);
    // The white area of a page, mm.
    long double AreaWidth = 0;
    long double AreaHeight = 0;
};

// What the import may be given: the ranges its dialog and command line
// accept. A model larger than MaxModelSize would not fit the drawing file.
inline constexpr long double MaxModelSize = 10000; // mm
inline constexpr long double MaxTabWidth = 99;     // mm, as the flange dialog
inline constexpr long double MaxFlatAngle = 10;    // degrees

// False when a value is out of its range: a size below 0 or above
// MaxModelSize, a tab width not above 0 or above MaxTabWidth, a tab angle
// not in (0, pi/2], a flat angle below 0 or above MaxFlatAngle degrees, or a
// white area without width or height.
bool IsValidImport(const TMeshImportOptions& options);

enum class TUnfoldedPagesOutcome {
    Done,
    Cancelled, // progress asked to stop: nothing is to be used
    NoFaces,   // nothing with an area is left once the mesh is cleaned
    TooLarge,  // pieces larger than the white area even alone
};

struct TUnfoldedPages {
    TUnfoldedPagesOutcome Outcome = TUnfoldedPagesOutcome::Done;
    std::vector<TPolygonTbl> Pages; // empty unless Done
    TCleaningReport Cleaning;       // CutEdges: edges of more than two faces, cut there
    int Pieces = 0;
    int Joints = 0;
    int NarrowerTabs = 0; // tabs made narrower, or turned, to fit
    int ThinTabs = 0;     // of those, narrower than can be glued well
    int TooLargePieces = 0;
};

// Told the share of the work done, from 0 to 1; false stops the work.
using TImportProgress = std::function<bool(double done)>;

// options must pass IsValidImport. Marks are handed out by marks, one per
// joint, in the order of the pieces.
TUnfoldedPages UnfoldOntoPages(const TMesh& mesh, const TMeshImportOptions& options,
                               TFreeJointMarks& marks, const TImportProgress& progress = {});
