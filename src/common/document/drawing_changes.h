// Which shapes of a drawing changed, for views that follow the drawing and
// would rather take what changed than the whole drawing again: a log of the
// shapes changed, each named by page and index, that any number of views read
// from where each of them last stopped.
#pragma once

#include <cstdint>
#include <vector>

struct TShapeSlot {
    int Page = 0;
    int Shape = 0;
    friend bool operator==(const TShapeSlot&, const TShapeSlot&) = default;
    friend auto operator<=>(const TShapeSlot&, const TShapeSlot&) = default;
};

class TDrawingChanges {
public:
    // The shape at this slot changed, was added there, or was removed from
    // there (the page's end moved below it).
    void ShapeChanged(int page, int shape);
    // Pages were added or removed, or the drawing replaced: what changed can
    // no longer be told shape by shape.
    void Everything();

    // Where the log stands now; a view that has taken the drawing as it is
    // keeps it to ask from there later.
    std::uint64_t Now() const {
        FReadAt = FEnd;
        return FEnd;
    }
    // The slots changed after mark, in the order changed, each at least once;
    // false when that can no longer be told and the view must take the whole
    // drawing anew.
    bool ChangedSince(std::uint64_t mark, std::vector<TShapeSlot>& slots) const;

private:
    // A log longer than this is dropped: taking the whole drawing is then
    // about as cheap as taking its changes.
    static constexpr std::size_t MaxEntries = 4096;

    std::vector<TShapeSlot> FEntries; // entry k was logged as change FFirst + k + 1
    std::uint64_t FFirst = 0;         // changes up to here are not in the log
    std::uint64_t FEnd = 0;
    // Where the log stood when a view last asked where it stands: a change
    // logged after that is logged again for that view.
    mutable std::uint64_t FReadAt = 0;
};
