// The checks of the flange dialog's values.
#include "editing/flange_entry.h"

#include "geometry/angles.h"

namespace {

// Written so that a value that is not a number fails too.
bool IsFlangeAngle(long double angle) {
    return angle > 0 && angle <= Pi / 2;
}

} // namespace

TFlangeField FirstInvalidFlangeField(long double width, long double angle1, long double angle2) {
    if (!(width >= 0 && width <= FlangeWidthMax))
        return TFlangeField::Width;
    if (width == 0)
        return TFlangeField::None;
    if (!IsFlangeAngle(angle1))
        return TFlangeField::Angle1;
    if (!IsFlangeAngle(angle2))
        return TFlangeField::Angle2;
    return TFlangeField::None;
}
