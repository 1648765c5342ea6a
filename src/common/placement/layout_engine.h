// The layout of many shapes onto pages: each shape placed by its outline with
// flanges inside the white area, at least the gap from every other, turned
// only by the allowed angles, onto as few pages as the search finds within its
// budget. The search is deterministic: the same shapes and options always
// give the same layout. It keeps no state between calls, so a window may run
// it on a worker thread.
#pragma once

#include "geometry/polygon.h"
#include "placement/layout_transform.h"

#include <functional>
#include <vector>

// The turns a layout may give a shape, from the way it lies now.
enum class TLayoutRotations {
    None,
    HalfTurns,     // 0 and 180 degrees
    QuarterTurns,  // 0, 90, 180 and 270 degrees
    Every15Degrees // 24 turns
};

inline constexpr long double LayoutMinGap = 0;
inline constexpr long double LayoutMaxGap = 20;

// Shapes laid out with no gap still keep this much (mm) from each other and
// from the border, so that the overlap rule, for which touching counts, finds
// them apart.
inline constexpr long double LayoutLeastClearance = 0.001L;

struct TLayoutOptions {
    long double PageWidth = 0; // the white area, (0, 0) to (PageWidth, PageHeight)
    long double PageHeight = 0;
    long double Gap = 1; // mm between the outlines with flanges, LayoutMinGap to LayoutMaxGap
    TLayoutRotations Rotations = TLayoutRotations::QuarterTurns;
    bool AllowMirror = false;
    // How long the search goes on improving the first layout it found, 1 for
    // the usual effort; 0 stops at the first layout.
    double Effort = 1;
    // Shapes that stay where they are, one table per page of the layout from
    // the first: the shapes laid out keep the gap from them too. Pages past
    // the last table hold nothing.
    std::vector<TPolygonTbl> Fixed;
};

struct TLayoutPlacement {
    int Page = -1; // 0 for the first page of the layout; -1 for a shape not placed
    TLayoutTransform Transform;
};

enum class TLayoutOutcome {
    Done,
    Cancelled,      // the progress callback asked to stop; nothing is to be used
    InvalidOptions, // a page without area or a gap out of range
};

struct TLayoutResult {
    TLayoutOutcome Outcome = TLayoutOutcome::Done;
    // One per shape, in the order given; shapes that fit no page alone (or
    // have no outline to place) keep Page -1.
    std::vector<TLayoutPlacement> Placements;
    // The shapes that fit no page even alone, in the order given.
    std::vector<int> Misfits;
    int PageCount = 0;
};

// Called now and then with the share of the work done, from 0 to 1; returning
// false stops the layout, which then reports Cancelled.
using TLayoutProgress = std::function<bool(double done)>;

TLayoutResult LayOutShapes(const std::vector<TPolygon>& shapes, const TLayoutOptions& options,
                           const TLayoutProgress& progress = {});

// True when the shape fits an empty page alone in one of the allowed turns:
// the shapes for which it is false are the misfits LayOutShapes reports.
bool FitsEmptyLayoutPage(const TPolygon& shape, const TLayoutOptions& options);
