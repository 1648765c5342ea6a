// The orders in which the unfolding tries to join faces along their edges:
// each order leaves other edges to be cut, and the unfolding keeps the order
// that cuts the model into the fewest pieces.
#pragma once

#include "unfolding/fold_geometry.h"

#include <vector>

enum TJoinOrder {
    joFlatFirst,   // the flattest edges first, large faces before small ones
    joAcrossAxisX, // gores: edges running round the X axis first, then those nearest its widest
                   // part
    joAcrossAxisY,
    joAcrossAxisZ,
    joAlongAxisX, // rings: edges running along the X axis first, widest first
    joAlongAxisY,
    joAlongAxisZ,
};

inline constexpr int JoinOrderCount = 7;

// One half-edge of every edge where the model may fold, in the order to try.
std::vector<int> JoinOrder(const TFoldGeometry& fold, TJoinOrder order);
