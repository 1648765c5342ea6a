// The values the shape editor lets a shape take: those a drawing file can
// hold. A typed coordinate, length or factor that would put a vertex or a
// flange width where the file cannot write it is refused like any value out
// of its range, so that every shape the editor hands back can be saved.
#pragma once

#include "geometry/polygon.h"

// True when value is finite and a number field of the drawing file holds it:
// below NumberFieldLimit in magnitude once written with its decimals.
bool IsStorableValue(long double value);

// True when both coordinates of every vertex are storable values.
bool AllApexesStorable(const TDaPointF& apexes);
