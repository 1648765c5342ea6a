// The shape editor's use of the edit history: recording its selection, mode
// and vertex moves, and applying its entries backward (undo) and forward (redo)
// to the working shape.
#pragma once

#include "editing/apex_selection.h"
#include "geometry/polygon.h"
#include "history/edit_history.h"

#include <cstdint>

// The editor's interaction mode.
enum TEditMode : std::uint8_t {
    emIdle = 0,        // no gesture in progress
    emDraw = 1,        // a new outline is drawn; its last vertex is the rubber band
    emDragApex = 2,    // the vertex in slot 1 follows the mouse
    emMoveShape = 3,   // the whole shape follows the mouse
    emRotateShape = 4, // the whole shape turns about its centroid
};

// A mouse gesture that ends at the button's release.
inline bool IsGestureMode(TEditMode mode) {
    return mode == emDragApex || mode == emMoveShape || mode == emRotateShape;
}

// Puts value into slot (0 or 1), recording pkClearSelApex or pkChangeSelApex;
// nothing when the slot already holds it. The caller recomputes the flags.
void SetSelApex(TEditHistory& history, TSelApex& selApex, int slot, std::int32_t value);

// Switches the mode; entering or leaving drawing records pkDrawMode, the other
// switches record nothing.
void SetMode(TEditHistory& history, TEditMode& mode, TEditMode newMode);

// A pkMoveApex entry for the vertices of now that differ from the same
// vertices of before (exact comparison): one vertex's as TPeiMoveApex, several
// together as TPeiMoveApexes; nothing when none moved or the vertex counts
// differ.
void RecordApexMoves(TEditHistory& history, const TDaPointF& now, const TDaPointF& before);

// A pkChangeFlange entry for the sides whose flange in now differs from the
// same side's in before: one side's as TPeiChangeFlange, several together as
// TPeiChangeFlanges; sides beyond either flange list are not compared.
void RecordFlangeChanges(TEditHistory& history, const TDaFlange& now, const TDaFlange& before);

// The editor state the entries act on.
struct TEditorState {
    TPolygon& Polygon;
    TSelApex& SelApex;
    TEditMode& Mode;
    TPointF& LastPoint;
};

// Apply one entry backward or forward. The handlers write straight to the state
// and record nothing. An entry that no longer fits what it names (a vertex,
// flange, fold line or slot that is not there) is skipped; slot values are
// taken as they come, so after a step the caller drops slots that name no
// vertex (DropStaleSelApex) and recomputes the flags.
void UndoEditorEntry(const TEditorState& state, const THistoryItem& entry);
void RedoEditorEntry(const TEditorState& state, const THistoryItem& entry);
