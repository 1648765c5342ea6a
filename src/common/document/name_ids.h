// Names to small whole-number ids, for tables that look up the name of every
// side of a large drawing. The names' hashes sit in one flat array searched
// slot after slot (open addressing), so a lookup reads one or two cache
// lines where a node-based map follows a chain of nodes allocated one by one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TNameIds {
public:
    // Forgets every name; room is made for expected names at once.
    void Clear(std::size_t expected = 0);
    // The id of name, given a freed id or the next new one when it has none
    // yet; second is true for a new name.
    std::pair<int, bool> Intern(std::string_view name);
    // The id of name, or -1.
    int Find(std::string_view name) const;
    // Frees name's id for the next new name; a name without one is ignored.
    void Erase(std::string_view name);

    std::size_t Size() const { return FCount; }
    // One more than the highest id given since the last Clear.
    std::size_t IdLimit() const { return FNames.size(); }

private:
    struct TSlot {
        std::size_t Hash = 0;
        int Id = -1; // -1 for an empty slot
    };

    std::size_t SlotOf(std::string_view name, std::size_t hash) const;
    void Grow();

    std::vector<TSlot> FSlots;       // a power of two, never more than half full
    std::vector<std::string> FNames; // by id
    std::vector<int> FFree;          // ids given back
    std::size_t FCount = 0;
};
