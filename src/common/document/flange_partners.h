// The joint check over a whole drawing: for every joint mark (a side's name,
// with or without a flange) the sides that carry it and what keeps them from
// being glued, the count of flanges without a name, and the partner page
// marks printed after the names.
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

// What is wrong with the sides of one mark, as bits of a set. A pair is glued
// as modellers glue it when one of its sides has a flange, or both have; the
// two sides may belong to one shape (a net closing on itself).
enum TPartnerFinding : std::uint8_t {
    pfNoPartner = 1,      // a single side carries the mark: an open joint
    pfTooManySides = 2,   // more than two sides carry it
    pfLengthMismatch = 4, // the longest and the shortest side differ by more than the tolerance
    pfNoTab = 8,          // none of its sides has a flange: nothing to glue on
};

struct TFlangeNameSides {
    std::string Name;              // Shift-JIS bytes, compared byte for byte
    std::vector<TNamedSide> Sides; // in page, shape, side order
    std::uint8_t Findings = 0;     // TPartnerFinding bits; 0 for a complete joint
};

struct TFlangePartnerReport {
    std::vector<TFlangeNameSides> Names; // in the order of their first sides
    int UnnamedFlanges = 0;              // flanges with a width and no name
};

// Every side with a non-empty name counts, with or without a flange; a side
// with a flange and no name only adds to the count of unnamed flanges. Time
// and memory are linear in the number of sides.
TFlangePartnerReport CheckFlangePartners(const TZvDat& drawing);

// What is wrong with the sides of one mark (TPartnerFinding bits).
std::uint8_t FindingsOf(const std::vector<TNamedSide>& sides);

// How many joints (names) of the report are complete, and how many have a
// finding.
int CompleteJoints(const TFlangePartnerReport& report);
int JointsWithFindings(const TFlangePartnerReport& report);

// What is printed after the names of the sides of one page, flanged or not:
// per shape, per side, "→" and the number of the page that holds the partner,
// where the name has exactly two sides and they lie on different pages; ""
// elsewhere. A shape without marks has no entries.
using TPageNameMarks = std::vector<std::vector<std::string>>;
TPageNameMarks PartnerPageMarks(const TFlangePartnerReport& report, const TZvDat& drawing,
                                int page);
// The same for every page at once, element p for page p: what a command that
// prints or exports several pages computes once, from one check.
std::vector<TPageNameMarks> PartnerPageMarksOfAllPages(const TZvDat& drawing);
