// Recording and applying vertex moves.
#include "history/apex_moves.h"

#include "history/list_change.h"

namespace {

bool SamePoint(const TPointF& a, const TPointF& b) {
    return SameValue(a.X, b.X) && SameValue(a.Y, b.Y);
}

// True when the shift takes the position before to the one after and back,
// bit for bit, and is their difference: then it is all undo and redo need.
bool ShiftsExactly(const TPointF& before, const TPointF& after, const TPointF& shift) {
    return SamePoint(PointF(before.X + shift.X, before.Y + shift.Y), after) &&
           SamePoint(PointF(after.X - shift.X, after.Y - shift.Y), before) &&
           SamePoint(PointF(after.X - before.X, after.Y - before.Y), shift);
}

} // namespace

std::size_t TApexMoves::Moved() const {
    if (!Indices.empty())
        return Indices.size();
    return Before.empty() ? static_cast<std::size_t>(Count) : Before.size();
}

TPointF TApexMoves::Delta(std::size_t k) const {
    if (Before.empty())
        return Shift;
    return PointF(After[k].X - Before[k].X, After[k].Y - Before[k].Y);
}

// A first pass finds the vertices moved and whether one shift moved them all,
// so that positions are only kept when they are needed.
TApexMoves ApexMovesOf(const TDaPointF& before, const TDaPointF& after, bool onlyMoved) {
    TApexMoves moves;
    if (before.size() != after.size())
        return moves;
    const auto moved = [&](std::size_t i) {
        return !onlyMoved || before[i].X != after[i].X || before[i].Y != after[i].Y;
    };
    std::size_t count = 0;
    bool shifted = true;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!moved(i))
            continue;
        if (count++ == 0)
            moves.Shift = PointF(after[i].X - before[i].X, after[i].Y - before[i].Y);
        shifted = shifted && ShiftsExactly(before[i], after[i], moves.Shift);
    }
    if (count == 0)
        return moves;
    moves.Count = static_cast<std::int32_t>(before.size());
    const bool every = count == before.size();
    if (!every)
        moves.Indices.reserve(count);
    if (!shifted) {
        moves.Shift = TPointF();
        moves.Before.reserve(count);
        moves.After.reserve(count);
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!moved(i))
            continue;
        if (!every)
            moves.Indices.push_back(static_cast<std::int32_t>(i));
        if (!shifted) {
            moves.Before.push_back(before[i]);
            moves.After.push_back(after[i]);
        }
    }
    return moves;
}

void ApplyApexMoves(TDaPointF& apexes, const TApexMoves& moves, bool undo) {
    const std::size_t moved = moves.Moved();
    const long double sign = undo ? -1 : 1;
    for (std::size_t k = 0; k < moved; ++k) {
        const std::size_t i =
            moves.Indices.empty() ? k : static_cast<std::size_t>(moves.Indices[k]);
        if (i >= apexes.size())
            continue;
        TPointF& apex = apexes[i];
        if (!moves.Before.empty() && apex == (undo ? moves.After[k] : moves.Before[k])) {
            apex = undo ? moves.Before[k] : moves.After[k];
            continue;
        }
        const TPointF delta = moves.Delta(k);
        apex.X += sign * delta.X;
        apex.Y += sign * delta.Y;
    }
}
