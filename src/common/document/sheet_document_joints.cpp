// The sheet document's joint commands: joining two sides under the next free
// mark, unjoining them and moving a joint's tab across, each recorded as the
// changed shapes, before and after, so that undo gives them back exactly.
#include "document/sheet_document.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

bool IsFlangeAngle(long double angle) {
    return angle > 0 && angle <= std::numbers::pi_v<long double> / 2;
}

bool IsTab(const TFlange& tab) {
    return std::isfinite(tab.Width) && tab.Width > 0 && IsFlangeAngle(tab.Angle1) &&
           IsFlangeAngle(tab.Angle2);
}

bool OnSameShape(const TSideRef& a, const TSideRef& b) {
    return a.Page == b.Page && a.Shape == b.Shape;
}

} // namespace

bool TSheetDocument::ChangeFlanges(const std::vector<TFlangeChange>& changes) {
    bool changed = false;
    for (std::size_t k = 0; k < changes.size(); ++k) {
        const TSideRef& first = changes[k].Side;
        const bool seen =
            std::any_of(changes.begin(), changes.begin() + k,
                        [&](const TFlangeChange& c) { return OnSameShape(c.Side, first); });
        if (seen)
            continue;
        TPolygon& shape = FDrawing[first.Page][first.Shape];
        const TPolygon before = shape;
        for (const TFlangeChange& change : changes)
            if (OnSameShape(change.Side, first))
                shape.Flanges[change.Side.Side] = change.Flange;
        if (shape == before)
            continue;
        FHistory.RecordChangePolygon(first.Page, first.Shape, shape, before);
        ShapeChanged(first.Page, first.Shape);
        changed = true;
    }
    if (changed) {
        FModified = true;
        DrawingChanged();
    }
    return changed;
}

bool TSheetDocument::JoinSides(const TSideRef& first, const TSideRef& second, const TFlange& tab) {
    if (!IsSideOf(FDrawing, first) || !IsSideOf(FDrawing, second) || first == second || !IsTab(tab))
        return false;
    const std::string mark = NextFreeJointMark(FDrawing);
    TFlange withTab = FlangeOf(FDrawing, first);
    withTab.Width = tab.Width;
    withTab.Angle1 = tab.Angle1;
    withTab.Angle2 = tab.Angle2;
    withTab.Name = mark;
    TFlange without = FlangeOf(FDrawing, second);
    without.Width = 0;
    without.Name = mark;
    return ChangeFlanges({{first, std::move(withTab)}, {second, std::move(without)}});
}

bool TSheetDocument::UnjoinSide(const TSideRef& side) {
    if (!IsSideOf(FDrawing, side) || FlangeOf(FDrawing, side).Name.empty())
        return false;
    const std::string mark = FlangeOf(FDrawing, side).Name;
    std::vector<TFlangeChange> changes;
    for (std::size_t page = 0; page < FDrawing.size(); ++page) {
        for (std::size_t index = 0; index < FDrawing[page].size(); ++index) {
            const TDaFlange& flanges = FDrawing[page][index].Flanges;
            for (std::size_t k = 0; k < flanges.size(); ++k) {
                const TSideRef at{static_cast<int>(page), static_cast<int>(index),
                                  static_cast<int>(k)};
                if (flanges[k].Name == mark && IsSideOf(FDrawing, at)) {
                    TFlange unnamed = flanges[k];
                    unnamed.Name.clear();
                    changes.push_back({at, std::move(unnamed)});
                }
            }
        }
    }
    return ChangeFlanges(changes);
}

// The side that gives the tab keeps the angles of the side that takes it, so
// that moving a tab there and back leaves both flanges as they were.
bool TSheetDocument::MoveJointTab(const TSideRef& side) {
    TSideRef partner;
    if (!FindJointPartner(FDrawing, side, partner))
        return false;
    const bool gives = FlangeOf(FDrawing, side).Width != 0;
    const TSideRef& from = gives ? side : partner;
    const TSideRef& to = gives ? partner : side;
    TFlange giver = FlangeOf(FDrawing, from);
    TFlange taker = FlangeOf(FDrawing, to);
    if (giver.Width == 0)
        return false;
    taker.Width = std::exchange(giver.Width, 0);
    std::swap(taker.Angle1, giver.Angle1);
    std::swap(taker.Angle2, giver.Angle2);
    return ChangeFlanges({{from, std::move(giver)}, {to, std::move(taker)}});
}
