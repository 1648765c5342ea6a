// The elements of a list that a change replaced, kept so that the change can
// be undone and redone exactly without a copy of the whole list: for a list
// of a million elements of which a few changed, a few elements.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// Equal to the last bit that is stored: -0 and 0 differ, as undo and redo
// must give back every bit.
inline bool SameValue(long double a, long double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}
inline bool SameValue(const std::string& a, const std::string& b) {
    return a == b;
}

template <class T> struct TListChange {
    // The positions replaced, ascending; none when every element of the list
    // was replaced.
    std::vector<std::int32_t> Positions;
    std::vector<T> Old;
    std::vector<T> New;

    bool Empty() const { return Old.empty(); }

    // What changed from before to after, element by element of lists of one
    // length; value(list, i) gives element i, and same compares two.
    template <class TList, class TValue, class TSame>
    static TListChange Of(const TList& before, const TList& after, TValue value, TSame same) {
        TListChange change;
        const std::size_t count = std::min(before.size(), after.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (same(value(before, i), value(after, i)))
                continue;
            change.Positions.push_back(static_cast<std::int32_t>(i));
            change.Old.push_back(value(before, i));
            change.New.push_back(value(after, i));
        }
        if (change.Positions.size() == count)
            change.Positions = {};
        return change;
    }

    // Puts the old values back (undo) or the new ones (redo) into list, each
    // through put(list, i, value); nothing for a position beyond the list.
    template <class TList, class TPut> void Apply(TList& list, bool undo, TPut put) const {
        const std::vector<T>& values = undo ? Old : New;
        for (std::size_t k = 0; k < values.size(); ++k) {
            const std::size_t i = Positions.empty() ? k : static_cast<std::size_t>(Positions[k]);
            if (i < list.size())
                put(list, i, values[k]);
        }
    }
};
