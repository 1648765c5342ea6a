// Today's flange outline and overlap tests, kept as they stand so that the
// benchmarks can run them beside the production code and compare the answers.
#pragma once

#include "geometry/polygon.h"

#include <array>

namespace baseline {

bool FlangeOutline(const TPolygon& polygon, bool clockwise, int side, std::array<TPointF, 4>& quad);
TDaPointF OutlineWithFlanges(const TPolygon& polygon);
long double RawApexAngle(const TDaPointF& apexes, int k);
bool IsClockwiseOnScreen(const TDaPointF& apexes);
bool PolygonsOverlap(const TDaPointF& outlineA, const TDaPointF& outlineB, TPointF& contact);
bool PolygonHitsOthers(const TPolygonTbl& page, int ownIndex, const TPolygon& shape,
                       TPointF& contact);

} // namespace baseline
