// The undo/redo history: recording entries and walking them step by step.
#include "history/edit_history.h"

#include <utility>

namespace {

TPolygon CopyOf(const TPolygon& shape) {
    TPolygon copy;
    CopyPolygon(shape, copy);
    return copy;
}

// Sets a flag for the lifetime of the guard, so that the list stays as it is
// while its entries are handed out by reference.
class TWalkGuard {
public:
    explicit TWalkGuard(bool& walking) : FWalking(walking) { FWalking = true; }
    ~TWalkGuard() { FWalking = false; }
    TWalkGuard(const TWalkGuard&) = delete;
    TWalkGuard& operator=(const TWalkGuard&) = delete;

private:
    bool& FWalking;
};

} // namespace

bool PayloadFitsKind(TPeiKind kind, const TPeiData& data) {
    switch (kind) {
    case pkAddPolygon:
        return std::holds_alternative<TPeiAddPolygon>(data);
    case pkDelPolygon:
        return std::holds_alternative<TPeiDelPolygon>(data);
    case pkMovePolygon:
        return std::holds_alternative<TPeiMovePolygon>(data);
    case pkChangePolygon:
        return std::holds_alternative<TPeiChangePolygon>(data);
    case pkAddPage:
        return std::holds_alternative<std::monostate>(data);
    case pkDelPage:
        return std::holds_alternative<TPeiDelPage>(data);
    case pkChangePage:
        return std::holds_alternative<TPeiChangePage>(data);
    case pkSelect:
    case pkUnselect:
        return std::holds_alternative<TPeiSelect>(data);
    case pkDrawMode:
        return std::holds_alternative<TPeiDrawMode>(data);
    case pkInsertApex:
    case pkDeleteApex:
        return std::holds_alternative<TPeiApex>(data);
    case pkMoveApex:
        return std::holds_alternative<TPeiMoveApex>(data) ||
               std::holds_alternative<TPeiMoveApexes>(data);
    case pkChangeSelApex:
        return std::holds_alternative<TPeiSelApex>(data);
    case pkClearSelApex:
        return std::holds_alternative<TPeiClearSelApex>(data);
    case pkChangeFlange:
        return std::holds_alternative<TPeiChangeFlange>(data) ||
               std::holds_alternative<TPeiChangeFlanges>(data);
    case pkAddBendLine:
    case pkDelBendLine:
        return std::holds_alternative<TPeiBendLine>(data);
    case pkChangePages:
        return std::holds_alternative<TPeiChangePages>(data);
    }
    return false;
}

void TEditHistory::Clear() {
    if (FWalking)
        return;
    FItems.clear();
    FCursor = 0;
}

std::int32_t TEditHistory::Add(TPeiKind kind, TPeiData data) {
    if (FWalking || !PayloadFitsKind(kind, data))
        return Count();
    FItems.resize(static_cast<std::size_t>(FCursor));
    FItems.push_back(THistoryItem{kind, FTicks.Now(), std::move(data)});
    FCursor = Count();
    return FCursor;
}

std::int32_t TEditHistory::Undo(const THistoryVisitor& undoEntry) {
    const TWalkGuard guard(FWalking);
    std::int32_t walked = 0;
    while (FCursor > 0) {
        --FCursor;
        const std::uint32_t time = FItems[static_cast<std::size_t>(FCursor)].Time;
        undoEntry(FItems[static_cast<std::size_t>(FCursor)]);
        ++walked;
        if (FCursor == 0 ||
            !IsSameHistoryStep(FItems[static_cast<std::size_t>(FCursor - 1)].Time, time))
            break;
    }
    return walked;
}

std::int32_t TEditHistory::Redo(const THistoryVisitor& redoEntry) {
    const TWalkGuard guard(FWalking);
    std::int32_t walked = 0;
    while (FCursor < Count()) {
        const std::uint32_t time = FItems[static_cast<std::size_t>(FCursor)].Time;
        redoEntry(FItems[static_cast<std::size_t>(FCursor)]);
        ++FCursor;
        ++walked;
        if (FCursor == Count() ||
            !IsSameHistoryStep(time, FItems[static_cast<std::size_t>(FCursor)].Time))
            break;
    }
    return walked;
}

void TEditHistory::RecordAddPolygon(std::int32_t page, const TPolygon& shape) {
    Add(pkAddPolygon, TPeiAddPolygon{page, CopyOf(shape)});
}

void TEditHistory::RecordDelPolygon(std::int32_t page, std::int32_t index, const TPolygon& shape) {
    Add(pkDelPolygon, TPeiDelPolygon{page, index, CopyOf(shape)});
}

void TEditHistory::RecordMovePolygon(std::int32_t page, std::int32_t index,
                                     const TPolygon& shapeNow, const TPolygon& shapeBefore) {
    if (shapeNow.Apexes.size() != shapeBefore.Apexes.size())
        return;
    Add(pkMovePolygon,
        TPeiMovePolygon{page, index, ApexMovesOf(shapeBefore.Apexes, shapeNow.Apexes, false)});
}

TDaPointF MoveDelta(const TPeiMovePolygon& move) {
    TDaPointF delta(move.Moves.Moved());
    for (std::size_t k = 0; k < delta.size(); ++k)
        delta[k] = move.Moves.Delta(k);
    return delta;
}

void TEditHistory::RecordChangePolygon(std::int32_t page, std::int32_t index,
                                       const TPolygon& shapeAfter, const TPolygon& shapeBefore) {
    Add(pkChangePolygon,
        TPeiChangePolygon{page, index,
                          std::make_shared<const TPolygonChange>(shapeBefore, shapeAfter)});
}

void TEditHistory::RecordAddPage() {
    Add(pkAddPage, std::monostate{});
}

void TEditHistory::RecordDelPage(std::int32_t page) {
    Add(pkDelPage, TPeiDelPage{page});
}

void TEditHistory::RecordChangePage(std::int32_t oldPage, std::int32_t newPage) {
    Add(pkChangePage, TPeiChangePage{oldPage, newPage});
}

void TEditHistory::RecordSelect(std::int32_t page, std::int32_t index) {
    Add(pkSelect, TPeiSelect{page, index});
}

void TEditHistory::RecordUnselect(std::int32_t page, std::int32_t index) {
    Add(pkUnselect, TPeiSelect{page, index});
}

void TEditHistory::RecordUnselectAll(std::int32_t page, const TDaInt& indices) {
    for (const std::int32_t index : indices)
        RecordUnselect(page, index);
}

void TEditHistory::RecordChangePages(TPeiChangePages change) {
    Add(pkChangePages, std::move(change));
}

void TEditHistory::RecordDrawMode(std::uint8_t mode) {
    Add(pkDrawMode, TPeiDrawMode{mode});
}

void TEditHistory::RecordInsertApex(std::int32_t index, const TPointF& point,
                                    const TFlange& flange) {
    Add(pkInsertApex, TPeiApex{index, point, flange});
}

void TEditHistory::RecordDeleteApex(std::int32_t index, const TPointF& point,
                                    const TFlange& flange) {
    Add(pkDeleteApex, TPeiApex{index, point, flange});
}

void TEditHistory::RecordMoveApex(std::int32_t index, const TPointF& pointBefore,
                                  const TPointF& pointAfter) {
    Add(pkMoveApex, TPeiMoveApex{index, pointAfter.X - pointBefore.X, pointAfter.Y - pointBefore.Y,
                                 pointBefore, pointAfter});
}

void TEditHistory::RecordMoveApexes(const TDaPointF& before, const TDaPointF& after) {
    TApexMoves moves = ApexMovesOf(before, after, true);
    if (moves.Moved() > 0)
        Add(pkMoveApex, TPeiMoveApexes{std::move(moves)});
}

void TEditHistory::RecordChangeSelApex(std::int32_t slot, std::int32_t oldValue,
                                       std::int32_t newValue) {
    Add(pkChangeSelApex, TPeiSelApex{slot, oldValue, newValue});
}

void TEditHistory::RecordClearSelApex(std::int32_t slot, std::int32_t oldValue) {
    Add(pkClearSelApex, TPeiClearSelApex{slot, oldValue});
}

void TEditHistory::RecordChangeFlange(std::int32_t side, const TFlange& oldFlange,
                                      const TFlange& newFlange) {
    Add(pkChangeFlange, TPeiChangeFlange{side, oldFlange, newFlange});
}

void TEditHistory::RecordChangeFlanges(const TDaFlange& before, const TDaFlange& after) {
    auto changes = std::make_shared<const TFlangeChanges>(FlangeChangesOf(before, after));
    if (!changes->Empty())
        Add(pkChangeFlange, TPeiChangeFlanges{std::move(changes)});
}

void TEditHistory::RecordAddBendLine(std::int32_t lineSet, const TBendLine& line) {
    Add(pkAddBendLine, TPeiBendLine{lineSet, line});
}

void TEditHistory::RecordDelBendLine(std::int32_t lineSet, const TBendLine& line) {
    Add(pkDelBendLine, TPeiBendLine{lineSet, line});
}
