// The names of the sides of a drawing, offered by the flange dialog so that
// sides to be glued together can be given the same name, and the lookup of the
// flange that already carries a name.
#pragma once

#include "geometry/polygon.h"

#include <string>
#include <vector>

// Every name of a side, with a flange or without, once, as the flange dialog
// offers them: first the open marks, carried by exactly one side of the
// drawing and so waiting for a partner, then the others. Within each group
// names that read as numbers (NumberOfName) come by value, the rest after
// them by bytes.
std::vector<std::string> FlangeNamesOpenFirst(const TZvDat& drawing);

// A flange found by its name, with the length of the side that carries it.
struct TNamedFlange {
    TFlange Flange;
    long double SideLength = 0;
};

// The first flange, page by page, shape by shape, side by side, whose name is
// name byte for byte, skipping shape skipIndex of page skipPage (the shape
// being edited). Width plays no part. False when no other flange carries it.
bool FindNamedFlange(const TZvDat& drawing, int skipPage, int skipIndex, const std::string& name,
                     TNamedFlange& found);
