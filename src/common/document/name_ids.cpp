#include "document/name_ids.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace {

std::size_t HashOf(std::string_view name) {
    return std::hash<std::string_view>{}(name);
}

} // namespace

void TNameIds::Clear(std::size_t expected) {
    FNames.clear();
    FFree.clear();
    FCount = 0;
    FSlots.assign(std::bit_ceil(std::max<std::size_t>(16, expected * 2)), TSlot{});
}

// The slot that holds name, or the empty slot where its search ends.
std::size_t TNameIds::SlotOf(std::string_view name, std::size_t hash) const {
    const std::size_t mask = FSlots.size() - 1;
    std::size_t slot = hash & mask;
    while (FSlots[slot].Id >= 0 && (FSlots[slot].Hash != hash || FNames[FSlots[slot].Id] != name))
        slot = (slot + 1) & mask;
    return slot;
}

std::pair<int, bool> TNameIds::Intern(std::string_view name) {
    if (FSlots.empty() || (FCount + 1) * 2 > FSlots.size())
        Grow();
    const std::size_t hash = HashOf(name);
    const std::size_t slot = SlotOf(name, hash);
    if (FSlots[slot].Id >= 0)
        return {FSlots[slot].Id, false};
    int id = static_cast<int>(FNames.size());
    if (FFree.empty()) {
        FNames.emplace_back(name);
    } else {
        id = FFree.back();
        FFree.pop_back();
        FNames[id].assign(name);
    }
    FSlots[slot] = {hash, id};
    ++FCount;
    return {id, true};
}

int TNameIds::Find(std::string_view name) const {
    if (FSlots.empty())
        return -1;
    return FSlots[SlotOf(name, HashOf(name))].Id;
}

// The slots after the freed one move back into it when their search would
// otherwise stop short of them at the new gap.
void TNameIds::Erase(std::string_view name) {
    if (FSlots.empty())
        return;
    const std::size_t mask = FSlots.size() - 1;
    std::size_t gap = SlotOf(name, HashOf(name));
    const int id = FSlots[gap].Id;
    if (id < 0)
        return;
    FNames[id].clear();
    FFree.push_back(id);
    --FCount;
    for (std::size_t next = (gap + 1) & mask; FSlots[next].Id >= 0; next = (next + 1) & mask) {
        const std::size_t home = FSlots[next].Hash & mask;
        // Distances along the circle: the entry may fill the gap when its
        // home lies no further on than the gap.
        if (((next - home) & mask) >= ((next - gap) & mask)) {
            FSlots[gap] = FSlots[next];
            gap = next;
        }
    }
    FSlots[gap] = TSlot{};
}

void TNameIds::Grow() {
    std::vector<TSlot> old = std::move(FSlots);
    FSlots.assign(std::max<std::size_t>(16, old.size() * 2), TSlot{});
    const std::size_t mask = FSlots.size() - 1;
    for (const TSlot& entry : old) {
        if (entry.Id < 0)
            continue;
        std::size_t slot = entry.Hash & mask;
        while (FSlots[slot].Id >= 0)
            slot = (slot + 1) & mask;
        FSlots[slot] = entry;
    }
}
