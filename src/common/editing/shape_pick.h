// What lies under the mouse in the shape editor: the vertex, side or fold line
// a press picks, and the length and slope of the line under a hovering mouse.
#pragma once

#include "geometry/polygon.h"

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
    // vertex i to vertex i + 1) that has one; nullptr otherwise.
    const TFlange* Flange = nullptr;
};

// The line within pickDist of q, as PickLine finds it. False when there is none.
bool LineReportAt(const TPolygon& polygon, const TPointF& q, long double pickDist,
                  TLineReport& report);

// The slope of the line from a to b in degrees, counter-clockwise as seen on
// screen (Y grows downward), in [-180, 180).
long double SlopeDegrees(const TPointF& a, const TPointF& b);
