// The log of changed shapes. A drag changes the same shape at every step, so
// a change of the shape logged last is not logged again unless a view has
// taken the drawing since.
#include "document/drawing_changes.h"

void TDrawingChanges::ShapeChanged(int page, int shape) {
    const TShapeSlot slot{page, shape};
    if (!FEntries.empty() && FEntries.back() == slot && FReadAt < FEnd)
        return;
    if (FEntries.size() >= MaxEntries) {
        Everything();
        return;
    }
    FEntries.push_back(slot);
    ++FEnd;
}

void TDrawingChanges::Everything() {
    FEntries.clear();
    ++FEnd;
    FFirst = FEnd;
}

bool TDrawingChanges::ChangedSince(std::uint64_t mark, std::vector<TShapeSlot>& slots) const {
    slots.clear();
    if (mark < FFirst || mark > FEnd)
        return false;
    slots.assign(FEntries.begin() + static_cast<std::ptrdiff_t>(mark - FFirst), FEntries.end());
    return true;
}
