// The names of the sides of a drawing as the flange dialog offers them, and
// the lookup by name.
#include "document/flange_names.h"

#include "document/joints.h"
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace {

// Numbers first, by value; equal numbers ("7", "007") and the other names by
// bytes.
bool ComesBefore(const std::string& a, const std::string& b) {
    const std::optional<std::uint64_t> numberA = NumberOfName(a);
    const std::optional<std::uint64_t> numberB = NumberOfName(b);
    if (numberA.has_value() != numberB.has_value())
        return numberA.has_value();
    if (numberA && *numberA != *numberB)
        return *numberA < *numberB;
    return a < b;
}

} // namespace

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

std::vector<std::string> FlangeNamesOpenFirst(const TZvDat& drawing) {
    // The keys view the drawing's own names.
    std::unordered_map<std::string_view, int> sides;
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page) {
            const std::size_t n = std::min(shape.Apexes.size(), shape.Flanges.size());
            for (std::size_t side = 0; side < n; ++side)
                if (!shape.Flanges[side].Name.empty())
                    ++sides[shape.Flanges[side].Name];
        }
    std::vector<std::string> open;
    std::vector<std::string> others;
    for (const auto& [name, count] : sides)
        (count == 1 ? open : others).emplace_back(name);
    std::sort(open.begin(), open.end(), ComesBefore);
    std::sort(others.begin(), others.end(), ComesBefore);
    open.insert(open.end(), others.begin(), others.end());
    return open;
}
