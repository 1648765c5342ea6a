// The values the flange dialog accepts: a width from 0 to 99 mm and two angles
// of more than 0 and at most 90 degrees, checked field by field in the order
// the dialog's OK button checks them.
#pragma once

#include "geometry/polygon.h"

inline constexpr long double FlangeWidthMax = 99;

enum class TFlangeField { None, Width, Angle1, Angle2 };

// The first field whose value cannot be taken, or None. Angles are radians.
// A width of 0 means no flange, so its angles are not checked: a side loses
// its flange with width 0 whatever the angles say.
TFlangeField FirstInvalidFlangeField(long double width, long double angle1, long double angle2);
