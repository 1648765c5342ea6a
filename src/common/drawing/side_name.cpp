// Placing a side's name: upright, centred, on the chosen side of the line.
#include "drawing/side_name.h"

#include "geometry/angles.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <utility>

namespace {

// Leftward, or straight down: such text would read upside down. A side of no
// length counts as running rightward.
bool ReadsUpsideDown(const TPointF& from, const TPointF& to) {
    const long double dx = to.X - from.X;
    return dx < 0 || (dx == 0 && to.Y > from.Y);
}

} // namespace

long double UprightDirection(const TPointF& from, const TPointF& to) {
    const long double direction = PointDirection(from, to);
    if (!ReadsUpsideDown(from, to))
        return direction;
    return direction > 0 ? direction - Pi : direction + Pi;
}

// The letters' tops point left of the text as seen; the outside of a
// clockwise outline lies left of each side's own direction. Where the tops
// point away from the line the cell's bottom edge keeps the gap; where they
// point at it, its top edge does.
TSideNameCell SideNameCell(const TPointF& from, const TPointF& to, bool clockwise, bool inFlange,
                           long double cellHeight, long double gap) {
    const long double direction = PointDirection(from, to);
    const bool turned = ReadsUpsideDown(from, to);
    const long double outward = clockwise ? direction - Pi / 2 : direction + Pi / 2;
    const long double away = inFlange ? outward : outward + Pi;
    const bool topsOutward = clockwise != turned;
    const bool topsAway = topsOutward == inFlange;
    const TPointF middle{(from.X + to.X) / 2, (from.Y + to.Y) / 2};
    const long double distance = topsAway ? gap : gap + cellHeight;
    return {PointAt(middle, distance, away), UprightDirection(from, to)};
}

// The cell, descent included, is NameCellScale heights high, its baseline
// the lift above the cell's bottom edge.
bool PlaceSideName(const TPolygon& shape, int side, bool clockwise, bool inFlange, std::string text,
                   long double height, const ITextMeasure* measure, TTextPlacement& placed) {
    const TPointF& from = shape.Apexes[side];
    const TPointF& to = shape.Apexes[(side + 1) % shape.Apexes.size()];
    TFittedName name{std::move(text), height, 0};
    if (measure != nullptr) {
        const long double length = PointDistance(from, to);
        const TFlange& flange = shape.Flanges[side];
        const TNameRoom room =
            inFlange ? FlangeNameRoom(length, flange.Width, flange.Angle1, flange.Angle2)
                     : BareSideNameRoom(length);
        name = FitName(name.Text, height, NameCellScale, room, *measure);
    }
    if (name.Text.empty())
        return false;
    const long double cellHeight = NameCellScale * name.Height;
    const long double gap = inFlange ? 0 : BareSideNameGap * cellHeight;
    const TSideNameCell cell = SideNameCell(from, to, clockwise, inFlange, cellHeight, gap);
    placed = {PointAt(cell.BottomMiddle, name.Height * FlangeNameBaselineLift, cell.Angle - Pi / 2),
              cell.Angle, name.Height, std::move(name.Text), name.Width};
    return std::isfinite(placed.At.X) && std::isfinite(placed.At.Y) && std::isfinite(placed.Angle);
}
