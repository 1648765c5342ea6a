// Joints: two sides glued together carry the same name, their joint mark,
// whether or not they have a flange. The sides are named by where they lie;
// the next free mark is a number no name of the drawing reads as, and a
// joint's partner side is the one other side that carries its mark.
#pragma once

#include "geometry/polygon.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A side of a drawing: page, shape on the page and side of the shape, all
// zero-based; side k runs from vertex k to vertex k + 1.
struct TSideRef {
    int Page = 0;
    int Shape = 0;
    int Side = 0;
    friend bool operator==(const TSideRef&, const TSideRef&) = default;
};

// True when the drawing has the side, with its flange record.
bool IsSideOf(const TZvDat& drawing, const TSideRef& side);
// The flange record of a side IsSideOf accepts.
const TFlange& FlangeOf(const TZvDat& drawing, const TSideRef& side);
TFlange& FlangeOf(TZvDat& drawing, const TSideRef& side);
// The length of a side IsSideOf accepts, mm.
long double SideLength(const TZvDat& drawing, const TSideRef& side);

// The whole number a name reads as on paper: ASCII or full-width digits,
// leading zeros allowed ("007" reads as 7), with blanks around them ignored.
// None for any other name, or one of more than 18 digits.
std::optional<std::uint64_t> NumberOfName(std::string_view name);

// The mark a new joint gets: the smallest positive whole number that no name
// of the drawing reads as (NumberOfName), as text. Linear in the number of
// sides.
std::string NextFreeJointMark(const TZvDat& drawing);

// The one other side that carries the side's mark. False when the side has
// no mark or the mark is not on exactly two sides.
bool FindJointPartner(const TZvDat& drawing, const TSideRef& side, TSideRef& partner);

// The lengths of two sides about to be joined, and whether they differ by
// more than FlangeLengthTolerance.
struct TJoinLengths {
    long double First = 0;
    long double Second = 0;
    bool Differ = false;
};
// False when either side is not in the drawing.
bool JoinLengthsOf(const TZvDat& drawing, const TSideRef& first, const TSideRef& second,
                   TJoinLengths& lengths);
