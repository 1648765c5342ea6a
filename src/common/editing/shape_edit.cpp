// Inserting and deleting vertices and fold lines with the three lists of a
// shape kept in step.
#include "editing/shape_edit.h"

#include <algorithm>

namespace {

bool IsLineSet(int lineSet) {
    return lineSet == 0 || lineSet == 1;
}

void RenumberForInsert(TDaBendLine& lines, int index) {
    for (TBendLine& line : lines) {
        if (line.Apex1 >= index)
            ++line.Apex1;
        if (line.Apex2 >= index)
            ++line.Apex2;
    }
}

void DropAndRenumberForDelete(TDaBendLine& lines, int index) {
    std::size_t p = 0;
    while (p < lines.size()) {
        TBendLine& line = lines[p];
        if (line.Apex1 == index || line.Apex2 == index) {
            if (p + 1 != lines.size())
                line = lines.back();
            lines.pop_back();
            continue; // the entry moved here is examined next
        }
        if (line.Apex1 > index)
            --line.Apex1;
        if (line.Apex2 > index)
            --line.Apex2;
        ++p;
    }
}

} // namespace

void PairFlangesWithApexes(TPolygon& polygon) {
    polygon.Flanges.resize(polygon.Apexes.size());
}

bool InsertApex(TPolygon& polygon, int index, const TPointF& point, const TFlange& flange) {
    if (!IsInsertIndexOf(polygon.Apexes, index))
        return false;
    PairFlangesWithApexes(polygon);
    polygon.Apexes.insert(polygon.Apexes.begin() + index, point);
    polygon.Flanges.insert(polygon.Flanges.begin() + index, flange);
    for (TDaBendLine& lines : polygon.BendLines)
        RenumberForInsert(lines, index);
    return true;
}

int SplitSide(TPolygon& polygon, int side) {
    const TDaPointF& apexes = polygon.Apexes;
    if (!IsIndexOf(apexes, side))
        return -1;
    PairFlangesWithApexes(polygon);
    const TPointF& first = apexes[side];
    const TPointF& second = apexes[(side + 1) % apexes.size()];
    const TPointF middle = PointF((first.X + second.X) / 2, (first.Y + second.Y) / 2);
    const TFlange flange = polygon.Flanges[side];
    InsertApex(polygon, side + 1, middle, flange);
    return side + 1;
}

bool DeleteApex(TPolygon& polygon, int index) {
    if (!IsIndexOf(polygon.Apexes, index))
        return false;
    PairFlangesWithApexes(polygon);
    polygon.Apexes.erase(polygon.Apexes.begin() + index);
    polygon.Flanges.erase(polygon.Flanges.begin() + index);
    for (TDaBendLine& lines : polygon.BendLines)
        DropAndRenumberForDelete(lines, index);
    return true;
}

bool AddBendLine(TPolygon& polygon, int lineSet, int apex1, int apex2) {
    if (!IsLineSet(lineSet) || !IsIndexOf(polygon.Apexes, apex1) ||
        !IsIndexOf(polygon.Apexes, apex2))
        return false;
    polygon.BendLines[lineSet].push_back(
        MakeBendLine(std::min(apex1, apex2), std::max(apex1, apex2)));
    return true;
}

bool RemoveBendLine(TPolygon& polygon, int lineSet, int position) {
    if (!IsLineSet(lineSet) || !IsIndexOf(polygon.BendLines[lineSet], position))
        return false;
    TDaBendLine& lines = polygon.BendLines[lineSet];
    if (static_cast<std::size_t>(position) + 1 != lines.size())
        lines[position] = lines.back();
    lines.pop_back();
    return true;
}

bool FindBendLine(const TPolygon& polygon, int apex1, int apex2, TBendLinePos& found) {
    const TBendLine wanted = MakeBendLine(std::min(apex1, apex2), std::max(apex1, apex2));
    for (int set = 0; set < 2; ++set) {
        const TDaBendLine& lines = polygon.BendLines[set];
        const auto match = std::find(lines.begin(), lines.end(), wanted);
        if (match != lines.end()) {
            found = TBendLinePos{set, static_cast<int>(match - lines.begin())};
            return true;
        }
    }
    return false;
}

TBendLineToggle ToggleBendLine(TPolygon& polygon, int lineSet, int apex1, int apex2) {
    TBendLineToggle toggle;
    if (apex1 == apex2 || !IsLineSet(lineSet) || !IsIndexOf(polygon.Apexes, apex1) ||
        !IsIndexOf(polygon.Apexes, apex2))
        return toggle;
    TBendLinePos found;
    if (FindBendLine(polygon, apex1, apex2, found)) {
        toggle.Removed = true;
        toggle.RemovedSet = found.Set;
        toggle.RemovedLine = polygon.BendLines[found.Set][found.Position];
        RemoveBendLine(polygon, found.Set, found.Position);
        if (found.Set == lineSet)
            return toggle;
    }
    AddBendLine(polygon, lineSet, apex1, apex2);
    toggle.Added = true;
    toggle.AddedSet = lineSet;
    toggle.AddedLine = polygon.BendLines[lineSet].back();
    return toggle;
}
