// The flags derived from the editor's selected-vertex slots.
#include "editing/apex_selection.h"

namespace {

bool HoldsApex(std::int32_t slot) {
    return slot >= 0;
}

bool Follows(std::int32_t later, std::int32_t earlier, int apexCount) {
    return apexCount > 0 && (earlier + 1) % apexCount == later;
}

} // namespace

TSelFlags SelFlagsOf(const TSelApex& selApex, int apexCount) {
    TSelFlags flags;
    flags.OneApex = !HoldsApex(selApex[0]) && HoldsApex(selApex[1]);
    flags.TwoApex = HoldsApex(selApex[0]) && HoldsApex(selApex[1]);
    flags.SideFwd = flags.TwoApex && Follows(selApex[1], selApex[0], apexCount);
    flags.SideBwd = flags.TwoApex && Follows(selApex[0], selApex[1], apexCount);
    flags.NoApex = !HoldsApex(selApex[0]) && !HoldsApex(selApex[1]);
    return flags;
}

int SelectedSide(const TSelApex& selApex, int apexCount) {
    const TSelFlags flags = SelFlagsOf(selApex, apexCount);
    if (flags.SideFwd)
        return selApex[0];
    if (flags.SideBwd)
        return selApex[1];
    return -1;
}

void DropStaleSelApex(TSelApex& selApex, int apexCount) {
    for (std::int32_t& slot : selApex) {
        if (slot < 0 || slot >= apexCount)
            slot = -1;
    }
}
