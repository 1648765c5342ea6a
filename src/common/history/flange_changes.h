// The flanges a command changed, field by field: resizing a shape changes
// every width and nothing else, so only the widths are kept.
#pragma once

#include "geometry/polygon.h"
#include "history/list_change.h"

#include <string>

struct TFlangeChanges {
    TListChange<long double> Widths;
    TListChange<long double> Angles1;
    TListChange<long double> Angles2;
    TListChange<std::string> Names;

    bool Empty() const {
        return Widths.Empty() && Angles1.Empty() && Angles2.Empty() && Names.Empty();
    }
};

// What differs between the flanges before and after, side by side over the
// sides both lists have, to the last bit.
TFlangeChanges FlangeChangesOf(const TDaFlange& before, const TDaFlange& after);

// Puts the old fields back (undo) or the new ones (redo); a side the list no
// longer has is passed over.
void ApplyFlangeChanges(TDaFlange& flanges, const TFlangeChanges& changes, bool undo);
