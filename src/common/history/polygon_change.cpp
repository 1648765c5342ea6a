// Shape changes kept as what differs.
#include "history/polygon_change.h"

#include <algorithm>

namespace {

bool SamePoint(const TPointF& a, const TPointF& b) {
    return SameValue(a.X, b.X) && SameValue(a.Y, b.Y);
}

bool SameFlange(const TFlange& a, const TFlange& b) {
    return SameValue(a.Width, b.Width) && SameValue(a.Angle1, b.Angle1) &&
           SameValue(a.Angle2, b.Angle2) && a.Name == b.Name;
}

// The length of the parts at the start and at the end of both lists that are
// the same, the end's not reaching into the start's.
template <class T, class TSame>
std::pair<std::size_t, std::size_t> SameEnds(const std::vector<T>& before,
                                             const std::vector<T>& after, TSame same) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && same(before[start], after[start]))
        ++start;
    std::size_t end = 0;
    while (end < shorter - start &&
           same(before[before.size() - 1 - end], after[after.size() - 1 - end]))
        ++end;
    return {start, end};
}

template <class T>
std::vector<T> Middle(const std::vector<T>& list, std::size_t start, std::size_t end) {
    return std::vector<T>(list.begin() + static_cast<std::ptrdiff_t>(start),
                          list.end() - static_cast<std::ptrdiff_t>(end));
}

template <class T>
void Splice(std::vector<T>& list, std::size_t start, std::size_t removed,
            const std::vector<T>& inserted) {
    const auto at = list.begin() + static_cast<std::ptrdiff_t>(start);
    list.erase(at, at + static_cast<std::ptrdiff_t>(removed));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(start), inserted.begin(),
                inserted.end());
}

} // namespace

TPolygonChange::TPolygonChange(const TPolygon& before, const TPolygon& after)
    : FBefore{before.Apexes.size(), before.Flanges.size()}, FAfter{after.Apexes.size(),
                                                                   after.Flanges.size()},
      FOldBendLines(before.BendLines), FNewBendLines(after.BendLines) {
    if (FBefore.Apexes == FAfter.Apexes && FBefore.Flanges == FAfter.Flanges) {
        FApexes = TListChange<TPointF>::Of(
            before.Apexes, after.Apexes,
            [](const TDaPointF& list, std::size_t i) { return list[i]; }, SamePoint);
        FFlanges = FlangeChangesOf(before.Flanges, after.Flanges);
        return;
    }
    // A vertex inserted or deleted moves every later one to another index:
    // the stretch between the parts that stayed is kept, both lists cut at
    // the same places.
    const auto apexes = SameEnds(before.Apexes, after.Apexes, SamePoint);
    const auto flanges = SameEnds(before.Flanges, after.Flanges, SameFlange);
    FStart = std::min(apexes.first, flanges.first);
    const std::size_t apexEnd =
        std::min(apexes.second, std::min(FBefore.Apexes, FAfter.Apexes) - FStart);
    const std::size_t flangeEnd =
        std::min(flanges.second, std::min(FBefore.Flanges, FAfter.Flanges) - FStart);
    FOldApexes = Middle(before.Apexes, FStart, apexEnd);
    FNewApexes = Middle(after.Apexes, FStart, apexEnd);
    FOldFlanges = Middle(before.Flanges, FStart, flangeEnd);
    FNewFlanges = Middle(after.Flanges, FStart, flangeEnd);
}

bool TPolygonChange::Apply(TPolygon& shape, bool undo) const {
    const TSize& from = undo ? FAfter : FBefore;
    if (shape.Apexes.size() != from.Apexes || shape.Flanges.size() != from.Flanges)
        return false;
    if (FBefore.Apexes == FAfter.Apexes && FBefore.Flanges == FAfter.Flanges) {
        FApexes.Apply(shape.Apexes, undo,
                      [](TDaPointF& list, std::size_t i, const TPointF& p) { list[i] = p; });
        ApplyFlangeChanges(shape.Flanges, FFlanges, undo);
    } else {
        Splice(shape.Apexes, FStart, (undo ? FNewApexes : FOldApexes).size(),
               undo ? FOldApexes : FNewApexes);
        Splice(shape.Flanges, FStart, (undo ? FNewFlanges : FOldFlanges).size(),
               undo ? FOldFlanges : FNewFlanges);
    }
    shape.BendLines = undo ? FOldBendLines : FNewBendLines;
    return true;
}
