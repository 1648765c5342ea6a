// The names of the glue flanges used in a drawing.
#include "document/flange_names.h"

#include <set>

std::vector<std::string> CollectFlangeNames(const TZvDat& drawing) {
    std::set<std::string> names;
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page)
            for (const TFlange& flange : shape.Flanges)
                if (flange.Width > 0)
                    names.insert(flange.Name);
    return {names.begin(), names.end()};
}
