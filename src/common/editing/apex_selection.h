// The shape editor's two selected-vertex slots and what they select: one
// vertex, a side in either direction, a diagonal, or nothing.
#pragma once

#include <array>
#include <cstdint>

// Slot 1 is the current vertex, slot 0 the other end of a selected pair; -1
// leaves a slot empty.
using TSelApex = std::array<std::int32_t, 2>;
inline constexpr TSelApex NoSelApex{-1, -1};

// What the slots select in a shape of a given number of vertices.
struct TSelFlags {
    bool OneApex = false; // slot 0 empty, slot 1 a vertex
    bool TwoApex = false; // both slots a vertex
    bool SideFwd = false; // two vertices, slot 1 following slot 0
    bool SideBwd = false; // two vertices, slot 0 following slot 1
    bool NoApex = true;   // both slots empty

    bool IsSide() const { return SideFwd || SideBwd; }
    // Two vertices that are not the ends of one side.
    bool IsDiagonal() const { return TwoApex && !IsSide(); }
    friend bool operator==(const TSelFlags&, const TSelFlags&) = default;
};

TSelFlags SelFlagsOf(const TSelApex& selApex, int apexCount);

// The first vertex of the side the slots select (the side from it to the next
// vertex), or -1 when they select no side.
int SelectedSide(const TSelApex& selApex, int apexCount);

// Empties every slot that names no vertex of a shape of apexCount vertices.
void DropStaleSelApex(TSelApex& selApex, int apexCount);
