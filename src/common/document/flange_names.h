// The names of the glue flanges used in a drawing, offered by the flange
// dialog so that flanges to be glued together can be given the same name.
#pragma once

#include "geometry/polygon.h"

#include <string>
#include <vector>

// Every name of a flange with a width, over all pages, shapes and sides,
// sorted by bytes and without duplicates. An unnamed flange contributes the
// empty name once.
std::vector<std::string> CollectFlangeNames(const TZvDat& drawing);
