// What lies under a point on one shape: the distance queries to segments,
// sides and fold lines, the vertex, side or fold line a press picks, and the
// length and slope of the line under a hovering mouse. Distances are given by
// the caller in millimetres.
#pragma once

#include "geometry/polygon.h"

// The foot of the perpendicular from q onto the line through a and b.
TPointF FootOfPerpendicular(const TPointF& q, const TPointF& a, const TPointF& b);
// True when that foot lies between a and b, ends included; foot is set either way.
bool FootOnSegment(const TPointF& q, const TPointF& a, const TPointF& b, TPointF& foot);
long double DistToSegment(const TPointF& q, const TPointF& a, const TPointF& b);

// Distance from q to the nearest side of the closed outline, whose end vertices
// go to index1 and index2 (the first side wins a tie). -1 for fewer than 2
// vertices, which leaves the indices untouched.
long double NearestSide(const TPointF& q, const TDaPointF& apexes, int& index1, int& index2);

// As NearestSide, then the fold lines of set 1 and set 2 compete with the sides:
// only a strictly nearer line replaces the best, so a side beats a fold line and
// set 1 beats set 2 at equal distance. Fold lines that break the index rule are
// ignored.
long double NearestLine(const TPointF& q, const TPolygon& polygon, int& index1, int& index2);

// The vertex nearer to q than pickDist, the lower index of equally near ones,
// or -1 when there is none.
int PickApex(const TDaPointF& apexes, const TPointF& q, long double pickDist);

// The two ends of a picked side or fold line: Near is the end nearer to the
// press (the line's second end when both are equally near), Far the other.
struct TLineEnds {
    int Far = -1;
    int Near = -1;
};

// The side or fold line (sides first, then set 1, then set 2) within pickDist of
// q. False when there is none.
bool PickLine(const TPolygon& polygon, const TPointF& q, long double pickDist, TLineEnds& ends);

// The side or fold line under a hovering mouse.
struct TLineReport {
    int Apex1 = -1;
    int Apex2 = -1;
    long double Length = 0; // mm
    long double Slope = 0;  // degrees, counter-clockwise as seen on screen
    // The flange of the side when the line runs forward along a side (from
    // vertex i to vertex i + 1) that has one or carries a name (a joint mark
    // on a side without a flange, of width 0); nullptr otherwise.
    const TFlange* Flange = nullptr;
};

// The line within pickDist of q, as PickLine finds it. False when there is none.
bool LineReportAt(const TPolygon& polygon, const TPointF& q, long double pickDist,
                  TLineReport& report);

// The slope of the line from a to b in degrees, counter-clockwise as seen on
// screen (Y grows downward), in [-180, 180).
long double SlopeDegrees(const TPointF& a, const TPointF& b);
