// The glue flange quadrilateral of a side, and the outline once around a shape
// and its flanges that overlap tests and rubber-band selection use.
#pragma once

#include "geometry/polygon.h"

#include <array>

// The flange of side `side` as Q0 (its first vertex), Q1 and Q2 (the outer
// corners at the first and second vertex) and Q3 (its second vertex), outside
// the outline for the vertex order that clockwise (IsClockwiseOnScreen of the
// vertices, computed once by the caller) gives. False when the side does not
// exist or has no flange, or when the flange cannot be built: an angle of 0 or
// pi (sine within 1e-12 of 0) or any corner that is not finite. Such a flange is
// not drawn and takes no part in overlap tests; its fields are left as they are.
// quad is written only on success.
bool FlangeOutline(const TPolygon& polygon, bool clockwise, int side, std::array<TPointF, 4>& quad);

// The outline once around the shape and its flanges: per side the first three
// corners of its flange, or the side's first vertex when it has none. A flange
// whose corners cannot be built (an angle with sine 0) takes no part.
TDaPointF OutlineWithFlanges(const TPolygon& polygon);
// Its number of points; a reference for tests, which the drawing never needs.
int OutlineWithFlangesCount(const TPolygon& polygon);

// The two steps FlangeOutline takes, for callers that keep their results: the
// part of a flange that does not depend on where its side lies, and the outer
// corners on a side from a to b whose direction (PointDirection(a, b)) is
// theta. Both give exactly FlangeOutline's numbers.
struct TFlangeReach {
    bool Usable = false;    // Width is not 0 and both sines are clear of 0
    long double Angle1 = 0; // radians
    long double Angle2 = 0;
    long double Length1 = 0; // from the first vertex to Q1: Width / sin(Angle1)
    long double Length2 = 0; // from the second vertex to Q2: Width / sin(Angle2)
};
TFlangeReach FlangeReachOf(const TFlange& flange);
// False, leaving q1 and q2 alone, when the flange is not usable or a corner is
// not finite.
bool FlangeCorners(const TPointF& a, const TPointF& b, long double theta, const TFlangeReach& reach,
                   bool clockwise, TPointF& q1, TPointF& q2);
// Each corner alone, for a usable flange: Q1 beside the first vertex a and Q2
// beside the second vertex b.
TPointF FlangeCorner1(const TPointF& a, long double theta, const TFlangeReach& reach,
                      bool clockwise);
TPointF FlangeCorner2(const TPointF& b, long double theta, const TFlangeReach& reach,
                      bool clockwise);

// A point with how far each of its coordinates may lie from the exact one's.
struct TPointEstimate {
    TPointF Point;
    long double Error = 0;
};
// FlangeCorner1 and FlangeCorner2 with the cosine and sine taken in double
// precision, which costs a fraction of the long double ones: each coordinate
// lies within Error of theirs. For callers that need the corners only to a
// tolerance they can check, as pixels on a screen.
TPointEstimate EstimateFlangeCorner1(const TPointF& a, long double theta, const TFlangeReach& reach,
                                     bool clockwise);
TPointEstimate EstimateFlangeCorner2(const TPointF& b, long double theta, const TFlangeReach& reach,
                                     bool clockwise);
