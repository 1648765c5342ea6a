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

// The orders worth trying on a model too large to try them all: the flattest
// edges first, and gores and rings round the axis about which the model's box
// is the most nearly square (a body of revolution's own axis).
std::vector<TJoinOrder> OrdersForLargeModels(const TMesh& mesh);
