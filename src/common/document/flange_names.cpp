// The names of the glue flanges used in a drawing, and the lookup by name.
#include "document/flange_names.h"

#include "geometry/plane_geometry.h"

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

bool FindNamedFlange(const TZvDat& drawing, int skipPage, int skipIndex, const std::string& name,
                     TNamedFlange& found) {
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        for (std::size_t index = 0; index < drawing[page].size(); ++index) {
            if (static_cast<int>(page) == skipPage && static_cast<int>(index) == skipIndex)
                continue;
            const TPolygon& shape = drawing[page][index];
            const std::size_t n = shape.Apexes.size();
            for (std::size_t side = 0; side < n && side < shape.Flanges.size(); ++side) {
                if (shape.Flanges[side].Name != name)
                    continue;
                found.Flange = shape.Flanges[side];
                found.SideLength = PointDistance(shape.Apexes[side], shape.Apexes[(side + 1) % n]);
                return true;
            }
        }
    }
    return false;
}
