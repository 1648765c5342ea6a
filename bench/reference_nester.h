// The reference nester behind a plain interface: the library's headers need
// an older language standard than ours, so they are compiled apart from our
// own headers. Coordinates are whole nanometres.
#pragma once

#include <vector>

struct TNestPoint {
    long long X = 0;
    long long Y = 0;
};
using TNestRing = std::vector<TNestPoint>;

struct TNestSettings {
    bool BottomLeft = false; // its bottom-left placer instead of the no-fit-polygon one
    float Accuracy = -1;     // the no-fit-polygon placer's; its own when negative
    bool Parallel = true;
};

// Nests pieces, each the union of its rings, into bins of width by height,
// gap apart, in quarter turns, with first-fit selection. Returns the bins
// used; placed gets each piece's outline where it was put and bin its bin.
int NestPieces(const std::vector<std::vector<TNestRing>>& pieces, long long width, long long height,
               long long gap, const TNestSettings& settings, std::vector<TNestRing>& placed,
               std::vector<int>& bin);
