// The undo/redo history shared by the sheet and the shape editor: typed,
// time-stamped entries walked back and forth in steps of one command each.
#pragma once

#include "geometry/polygon.h"
#include "history/apex_moves.h"
#include "history/flange_changes.h"
#include "history/polygon_change.h"
#include "history/tick_counter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

// What an entry says. The sheet records kinds 0 to 8 and 18, the editor 9 to 17.
enum TPeiKind : std::uint8_t {
    pkAddPolygon = 0,
    pkDelPolygon = 1,
    pkMovePolygon = 2,
    pkChangePolygon = 3,
    pkAddPage = 4,
    pkDelPage = 5,
    pkChangePage = 6,
    pkSelect = 7,
    pkUnselect = 8,
    pkDrawMode = 9,
    pkInsertApex = 10,
    pkDeleteApex = 11,
    pkMoveApex = 12,
    pkChangeSelApex = 13,
    pkClearSelApex = 14,
    pkChangeFlange = 15,
    pkAddBendLine = 16,
    pkDelBendLine = 17,
    pkChangePages = 18,
};

// Payloads. Pages and shape indices are zero-based; shapes are deep copies.
// An entry holds only what its command changed: whole shapes only for shapes
// added or removed.
struct TPeiAddPolygon {
    std::int32_t Page = 0;
    TPolygon Polygon; // as it was appended
};

struct TPeiDelPolygon {
    std::int32_t Page = 0;
    std::int32_t Index = 0; // the slot the shape occupied
    TPolygon Polygon;       // the removed shape
};

// Every vertex of the shape: its shift alone for a move that undo and redo
// take back and forth exactly, its positions before and after otherwise.
struct TPeiMovePolygon {
    std::int32_t Page = 0;
    std::int32_t Index = 0;
    TApexMoves Moves;
};

// Per vertex: new position minus old position.
TDaPointF MoveDelta(const TPeiMovePolygon& move);

// The shape's edit, as what differs (kept apart from the entry, which stays
// small, and shared by its copies).
struct TPeiChangePolygon {
    std::int32_t Page = 0;
    std::int32_t Index = 0;
    std::shared_ptr<const TPolygonChange> Change;
};

struct TPeiDelPage {
    std::int32_t Page = 0; // the index the deleted page had
};

struct TPeiChangePage {
    std::int32_t OldPage = 0;
    std::int32_t NewPage = 0;
};

// For pkSelect and pkUnselect.
struct TPeiSelect {
    std::int32_t Page = 0; // the current page when recorded
    std::int32_t Index = 0;
};

struct TPeiDrawMode {
    std::uint8_t Mode = 0; // after the switch: 1 drawing, 0 not
};

// For pkInsertApex and pkDeleteApex.
struct TPeiApex {
    std::int32_t Index = 0;
    TPointF Point;
    TFlange Flange; // of the side that starts at the vertex
};

struct TPeiMoveApex {
    std::int32_t Index = 0;
    long double DX = 0; // new position minus old position
    long double DY = 0;
    TPointF Before; // the positions themselves, as with TPeiMovePolygon
    TPointF After;
};

// For pkMoveApex: the vertices one command moved, in one entry instead of one
// entry each (a resize moves every vertex).
struct TPeiMoveApexes {
    TApexMoves Moves;
};

struct TPeiSelApex {
    std::int32_t Slot = 0; // 0 or 1
    std::int32_t OldValue = -1;
    std::int32_t NewValue = -1; // vertex indices, -1 for an empty slot
};

struct TPeiClearSelApex {
    std::int32_t Slot = 0;
    std::int32_t OldValue = -1; // the slot is empty afterwards
};

struct TPeiChangeFlange {
    std::int32_t Side = 0; // also the index of the side's first vertex
    TFlange OldFlange;
    TFlange NewFlange;
};

// For pkChangeFlange: the flanges of several sides one command changed, field
// by field (kept apart from the entry, as TPeiChangePolygon's change).
struct TPeiChangeFlanges {
    std::shared_ptr<const TFlangeChanges> Changes;
};

// For pkAddBendLine and pkDelBendLine.
struct TPeiBendLine {
    std::int32_t LineSet = 0; // which of the shape's two BendLines arrays
    TBendLine Line;
};

// Many shapes on many pages changed by one command, a layout: each page whose
// shapes changed as it was and as it is, so that undo and redo give every page
// back bit for bit. Pages were added or removed at the end only.
struct TPeiChangePages {
    std::int32_t OldPageCount = 0;
    std::int32_t NewPageCount = 0;
    std::int32_t OldCurPage = 0; // the page shown before and after
    std::int32_t NewCurPage = 0;
    std::vector<std::int32_t> Pages;    // the pages whose shapes changed
    std::vector<TPolygonTbl> OldShapes; // per element of Pages; none for a page added
    std::vector<TPolygonTbl> NewShapes; // none for a page removed
};

// pkAddPage carries nothing (std::monostate).
using TPeiData =
    std::variant<std::monostate, TPeiAddPolygon, TPeiDelPolygon, TPeiMovePolygon, TPeiChangePolygon,
                 TPeiDelPage, TPeiChangePage, TPeiSelect, TPeiDrawMode, TPeiApex, TPeiMoveApex,
                 TPeiMoveApexes, TPeiSelApex, TPeiClearSelApex, TPeiChangeFlange, TPeiChangeFlanges,
                 TPeiBendLine, TPeiChangePages>;

// True when data is the payload type that kind carries.
bool PayloadFitsKind(TPeiKind kind, const TPeiData& data);

// One entry; it owns its payload.
struct THistoryItem {
    TPeiKind Kind = pkAddPage;
    std::uint32_t Time = 0; // tick count when recorded
    TPeiData Data;
};

// Entries recorded at most this many milliseconds after their predecessor are
// undone and redone together with it.
inline constexpr std::uint32_t HistoryStepGapMs = 100;

// True when an entry recorded at tick `later` joins the step of the entry
// recorded at tick `earlier`. Unsigned 32-bit difference, so a wrap of the
// counter between the two does not split a step.
inline bool IsSameHistoryStep(std::uint32_t earlier, std::uint32_t later) {
    return static_cast<std::uint32_t>(later - earlier) <= HistoryStepGapMs;
}

// Called once per entry of a step, in the order the entries must be applied.
using THistoryVisitor = std::function<void(const THistoryItem&)>;

class TEditHistory {
public:
    explicit TEditHistory(ITickCounter& ticks) : FTicks(ticks) {}

    // Entries before the cursor are in effect; from the cursor on they are undone.
    std::int32_t Count() const { return static_cast<std::int32_t>(FItems.size()); }
    std::int32_t Cursor() const { return FCursor; }
    const std::vector<THistoryItem>& Items() const { return FItems; }

    // Releases every entry. Like Add, it does nothing from inside Undo or Redo.
    void Clear();

    // Drops the redo tail and appends an entry stamped with the current tick;
    // returns the new Count. A payload that does not fit the kind, or a call
    // made from inside Undo or Redo, records nothing.
    std::int32_t Add(TPeiKind kind, TPeiData data);

    // Moves the cursor back over one step, handing each entry to undoEntry
    // newest first; during each call Cursor() is that entry's position.
    // Returns the number of entries walked (0 when there is nothing to undo).
    std::int32_t Undo(const THistoryVisitor& undoEntry);
    // Moves the cursor forward over one step, handing each entry to redoEntry
    // oldest first; during each call Cursor() is that entry's position.
    std::int32_t Redo(const THistoryVisitor& redoEntry);

    // Sheet entries.
    void RecordAddPolygon(std::int32_t page, const TPolygon& shape);
    void RecordDelPolygon(std::int32_t page, std::int32_t index, const TPolygon& shape);
    // Records nothing when the two shapes have different vertex counts.
    void RecordMovePolygon(std::int32_t page, std::int32_t index, const TPolygon& shapeNow,
                           const TPolygon& shapeBefore);
    // Holds what differs between the two shapes.
    void RecordChangePolygon(std::int32_t page, std::int32_t index, const TPolygon& shapeAfter,
                             const TPolygon& shapeBefore);
    void RecordAddPage();
    void RecordDelPage(std::int32_t page);
    void RecordChangePage(std::int32_t oldPage, std::int32_t newPage);
    void RecordSelect(std::int32_t page, std::int32_t index);
    void RecordUnselect(std::int32_t page, std::int32_t index);
    // One pkUnselect per element, first to last.
    void RecordUnselectAll(std::int32_t page, const TDaInt& indices);
    void RecordChangePages(TPeiChangePages change);

    // Editor entries.
    void RecordDrawMode(std::uint8_t mode);
    void RecordInsertApex(std::int32_t index, const TPointF& point, const TFlange& flange);
    void RecordDeleteApex(std::int32_t index, const TPointF& point, const TFlange& flange);
    void RecordMoveApex(std::int32_t index, const TPointF& pointBefore, const TPointF& pointAfter);
    // The vertices that moved from before to after, one pkMoveApex entry for
    // all; nothing when none moved.
    void RecordMoveApexes(const TDaPointF& before, const TDaPointF& after);
    void RecordChangeSelApex(std::int32_t slot, std::int32_t oldValue, std::int32_t newValue);
    void RecordClearSelApex(std::int32_t slot, std::int32_t oldValue);
    void RecordChangeFlange(std::int32_t side, const TFlange& oldFlange, const TFlange& newFlange);
    // The flanges that differ between before and after, one pkChangeFlange
    // entry for all; nothing when none does.
    void RecordChangeFlanges(const TDaFlange& before, const TDaFlange& after);
    void RecordAddBendLine(std::int32_t lineSet, const TBendLine& line);
    void RecordDelBendLine(std::int32_t lineSet, const TBendLine& line);

private:
    ITickCounter& FTicks;
    std::vector<THistoryItem> FItems;
    std::int32_t FCursor = 0;
    bool FWalking = false; // a step is being handed out; the list must not change
};
