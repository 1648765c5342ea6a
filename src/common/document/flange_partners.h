// The flange partner check over a whole drawing: for every flange name the
// sides that carry it and what is wrong with them, the count of flanges
// without a name, and the partner page marks printed after flange names.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>
#include <string>
#include <vector>

// Partner sides whose lengths differ by at most this many millimetres match.
inline constexpr long double FlangeLengthTolerance = 0.01L;

// A side that carries a flange name. The indices are zero-based; the user
// sees each of them one higher.
struct TNamedSide {
    int Page = 0;
    int Shape = 0;          // index on its page
    int Side = 0;           // the side from vertex Side to vertex Side + 1
    long double Length = 0; // of the side, mm
    long double Width = 0;  // of its flange; 0 when the side has none
    friend bool operator==(const TNamedSide&, const TNamedSide&) = default;
};

// What is wrong with the sides of one name, as bits of a set.
enum TPartnerFinding : std::uint8_t {
    pfNoPartner = 1,      // a single side carries the name
    pfTooManySides = 2,   // more than two sides carry it
    pfLengthMismatch = 4, // the longest and the shortest side differ by more than the tolerance
    pfSameShape = 8,      // two of its sides belong to one shape
    pfNoFlange = 16,      // a side carries the name without a flange (width 0)
};

struct TFlangeNameSides {
    std::string Name;              // Shift-JIS bytes, compared byte for byte
    std::vector<TNamedSide> Sides; // in page, shape, side order
    std::uint8_t Findings = 0;     // TPartnerFinding bits; 0 for a sound pair
};

struct TFlangePartnerReport {
    std::vector<TFlangeNameSides> Names; // in the order of their first sides
    int UnnamedFlanges = 0;              // flanges with a width and no name
};

// Every side with a non-empty name counts, with or without a flange; a side
// with a flange and no name only adds to the count of unnamed flanges. Time
// and memory are linear in the number of sides.
TFlangePartnerReport CheckFlangePartners(const TZvDat& drawing);

// How many names of the report have a finding; 0 when there is nothing to report.
int NamesWithFindings(const TFlangePartnerReport& report);

// What is printed after the flange names of one page: per shape, per side,
// "→" and the number of the page that holds the partner, where the name has
// exactly two sides and they lie on different pages; "" elsewhere. A shape
// without marks has no entries.
using TPageNameMarks = std::vector<std::vector<std::string>>;
TPageNameMarks PartnerPageMarks(const TFlangePartnerReport& report, const TZvDat& drawing,
                                int page);
