// Recording the editor's changes and applying its entries back and forth.
#include "editing/editor_history.h"

#include "editing/new_outline.h"
#include "editing/shape_edit.h"

#include <algorithm>
#include <variant>

namespace {

bool IsSlot(std::int32_t slot) {
    return slot == 0 || slot == 1;
}

void SetSlot(TSelApex& selApex, std::int32_t slot, std::int32_t value) {
    if (IsSlot(slot))
        selApex[slot] = value;
}

// A vertex found where the entry left it goes exactly where the entry says;
// one found elsewhere (an entry replayed over a changed shape) is shifted by
// the recorded difference.
void MoveApex(TPolygon& polygon, const TPeiMoveApex& move, long double sign) {
    if (!IsIndexOf(polygon.Apexes, move.Index))
        return;
    TPointF& apex = polygon.Apexes[move.Index];
    const TPointF& from = sign < 0 ? move.After : move.Before;
    const TPointF& to = sign < 0 ? move.Before : move.After;
    if (apex == from) {
        apex = to;
        return;
    }
    apex.X += sign * move.DX;
    apex.Y += sign * move.DY;
}

void SetFlange(TPolygon& polygon, std::int32_t side, const TFlange& flange) {
    if (IsIndexOf(polygon.Flanges, side) && IsIndexOf(polygon.Apexes, side))
        polygon.Flanges[side] = flange;
}

void RemoveFoundBendLine(TPolygon& polygon, const TBendLine& line) {
    TBendLinePos found;
    if (FindBendLine(polygon, line.Apex1, line.Apex2, found))
        RemoveBendLine(polygon, found.Set, found.Position);
}

// Drawing mode switched on or off: leaving it dropped the rubber band, so
// entering it again brings back a copy of the last vertex.
void EnterDrawMode(const TEditorState& state) {
    if (AppendRubberBand(state.Polygon))
        state.Mode = emDraw;
}

void LeaveDrawMode(const TEditorState& state) {
    if (RemoveRubberBand(state.Polygon))
        state.Mode = emIdle;
}

// Undoing the switch into drawing needs no vertex change: the outline that was
// being started keeps its single vertex.
void UndoDrawMode(const TEditorState& state, const TPeiDrawMode& mode) {
    if (mode.Mode == 1)
        state.Mode = emIdle;
    else
        EnterDrawMode(state);
}

void RedoDrawMode(const TEditorState& state, const TPeiDrawMode& mode) {
    if (mode.Mode == 0)
        LeaveDrawMode(state);
    else
        EnterDrawMode(state);
}

// The vertex placed last before the rubber band is where Shift aligns to.
void UndoInsertApex(const TEditorState& state, const TPeiApex& apex) {
    if (!DeleteApex(state.Polygon, apex.Index))
        return;
    const TDaPointF& apexes = state.Polygon.Apexes;
    if (apexes.size() >= 2)
        state.LastPoint = apexes[apexes.size() - 2];
}

void UndoDeleteApex(const TEditorState& state, const TPeiApex& apex) {
    if (!InsertApex(state.Polygon, apex.Index, apex.Point, apex.Flange))
        return;
    state.SelApex = TSelApex{-1, apex.Index};
}

} // namespace

void SetSelApex(TEditHistory& history, TSelApex& selApex, int slot, std::int32_t value) {
    if (!IsSlot(slot) || selApex[slot] == value)
        return;
    if (value < 0)
        history.RecordClearSelApex(slot, selApex[slot]);
    else
        history.RecordChangeSelApex(slot, selApex[slot], value);
    selApex[slot] = value;
}

void SetMode(TEditHistory& history, TEditMode& mode, TEditMode newMode) {
    if (newMode == emDraw && mode != emDraw)
        history.RecordDrawMode(1);
    else if (newMode != emDraw && mode == emDraw)
        history.RecordDrawMode(0);
    mode = newMode;
}

void RecordApexMoves(TEditHistory& history, const TDaPointF& now, const TDaPointF& before) {
    if (now.size() != before.size())
        return;
    std::size_t moved = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i].X != before[i].X || now[i].Y != before[i].Y) {
            ++moved;
            last = i;
        }
    }
    if (moved == 1)
        history.RecordMoveApex(static_cast<std::int32_t>(last), before[last], now[last]);
    else if (moved > 1)
        history.RecordMoveApexes(before, now);
}

void RecordFlangeChanges(TEditHistory& history, const TDaFlange& now, const TDaFlange& before) {
    const std::size_t sides = std::min(now.size(), before.size());
    std::size_t changed = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < sides; ++i) {
        if (now[i] != before[i]) {
            ++changed;
            last = i;
        }
    }
    if (changed == 1)
        history.RecordChangeFlange(static_cast<std::int32_t>(last), before[last], now[last]);
    else if (changed > 1)
        history.RecordChangeFlanges(before, now);
}

void UndoEditorEntry(const TEditorState& state, const THistoryItem& entry) {
    const TPeiData& data = entry.Data;
    switch (entry.Kind) {
    case pkDrawMode:
        if (const auto* mode = std::get_if<TPeiDrawMode>(&data))
            UndoDrawMode(state, *mode);
        break;
    case pkInsertApex:
        if (const auto* apex = std::get_if<TPeiApex>(&data))
            UndoInsertApex(state, *apex);
        break;
    case pkDeleteApex:
        if (const auto* apex = std::get_if<TPeiApex>(&data))
            UndoDeleteApex(state, *apex);
        break;
    case pkMoveApex:
        if (const auto* move = std::get_if<TPeiMoveApex>(&data))
            MoveApex(state.Polygon, *move, -1);
        else if (const auto* moves = std::get_if<TPeiMoveApexes>(&data))
            ApplyApexMoves(state.Polygon.Apexes, moves->Moves, true);
        break;
    case pkChangeSelApex:
        if (const auto* sel = std::get_if<TPeiSelApex>(&data))
            SetSlot(state.SelApex, sel->Slot, sel->OldValue);
        break;
    case pkClearSelApex:
        if (const auto* sel = std::get_if<TPeiClearSelApex>(&data))
            SetSlot(state.SelApex, sel->Slot, sel->OldValue);
        break;
    case pkChangeFlange:
        if (const auto* change = std::get_if<TPeiChangeFlange>(&data))
            SetFlange(state.Polygon, change->Side, change->OldFlange);
        else if (const auto* changes = std::get_if<TPeiChangeFlanges>(&data))
            ApplyFlangeChanges(state.Polygon.Flanges, *changes->Changes, true);
        break;
    case pkAddBendLine:
        if (const auto* bend = std::get_if<TPeiBendLine>(&data))
            RemoveFoundBendLine(state.Polygon, bend->Line);
        break;
    case pkDelBendLine:
        if (const auto* bend = std::get_if<TPeiBendLine>(&data))
            AddBendLine(state.Polygon, bend->LineSet, bend->Line.Apex1, bend->Line.Apex2);
        break;
    default: // the sheet's kinds
        break;
    }
}

void RedoEditorEntry(const TEditorState& state, const THistoryItem& entry) {
    const TPeiData& data = entry.Data;
    switch (entry.Kind) {
    case pkDrawMode:
        if (const auto* mode = std::get_if<TPeiDrawMode>(&data))
            RedoDrawMode(state, *mode);
        break;
    case pkInsertApex:
        if (const auto* apex = std::get_if<TPeiApex>(&data))
            InsertApex(state.Polygon, apex->Index, apex->Point, apex->Flange);
        break;
    case pkDeleteApex:
        if (const auto* apex = std::get_if<TPeiApex>(&data))
            DeleteApex(state.Polygon, apex->Index);
        break;
    case pkMoveApex:
        if (const auto* move = std::get_if<TPeiMoveApex>(&data))
            MoveApex(state.Polygon, *move, 1);
        else if (const auto* moves = std::get_if<TPeiMoveApexes>(&data))
            ApplyApexMoves(state.Polygon.Apexes, moves->Moves, false);
        break;
    case pkChangeSelApex:
        if (const auto* sel = std::get_if<TPeiSelApex>(&data))
            SetSlot(state.SelApex, sel->Slot, sel->NewValue);
        break;
    case pkClearSelApex:
        if (const auto* sel = std::get_if<TPeiClearSelApex>(&data))
            SetSlot(state.SelApex, sel->Slot, -1);
        break;
    case pkChangeFlange:
        if (const auto* change = std::get_if<TPeiChangeFlange>(&data))
            SetFlange(state.Polygon, change->Side, change->NewFlange);
        else if (const auto* changes = std::get_if<TPeiChangeFlanges>(&data))
            ApplyFlangeChanges(state.Polygon.Flanges, *changes->Changes, false);
        break;
    case pkAddBendLine:
        if (const auto* bend = std::get_if<TPeiBendLine>(&data))
            AddBendLine(state.Polygon, bend->LineSet, bend->Line.Apex1, bend->Line.Apex2);
        break;
    case pkDelBendLine:
        if (const auto* bend = std::get_if<TPeiBendLine>(&data))
            RemoveFoundBendLine(state.Polygon, bend->Line);
        break;
    default: // the sheet's kinds
        break;
    }
}
