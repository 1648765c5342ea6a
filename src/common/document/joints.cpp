// Joint marks: reading names as numbers, the next free mark, a joint's
// partner side and the lengths of two sides to be joined.
#include "document/joints.h"

#include "document/flange_partners.h"
#include "geometry/plane_geometry.h"

#include <cmath>
#include <vector>

namespace {

constexpr std::size_t MaxNumberDigits = 18;

// Full-width digits are 0x82 0x4F ("０") to 0x82 0x58 ("９") in Shift-JIS.
constexpr unsigned char FullWidthLead = 0x82;
constexpr unsigned char FullWidthZero = 0x4f;

std::string_view WithoutBlanks(std::string_view name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

std::size_t SidesIn(const TZvDat& drawing) {
    std::size_t count = 0;
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page)
            count += shape.Flanges.size();
    return count;
}

// Calls visit(side, flange) for every side of the drawing with its flange.
template <class TVisit> void ForEachSide(const TZvDat& drawing, TVisit visit) {
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        for (std::size_t index = 0; index < drawing[page].size(); ++index) {
            const TPolygon& shape = drawing[page][index];
            const std::size_t n = std::min(shape.Apexes.size(), shape.Flanges.size());
            for (std::size_t side = 0; side < n; ++side)
                visit(TSideRef{static_cast<int>(page), static_cast<int>(index),
                               static_cast<int>(side)},
                      shape.Flanges[side]);
        }
    }
}

} // namespace

bool IsSideOf(const TZvDat& drawing, const TSideRef& side) {
    if (!IsIndexOf(drawing, side.Page) || !IsIndexOf(drawing[side.Page], side.Shape))
        return false;
    const TPolygon& shape = drawing[side.Page][side.Shape];
    return IsIndexOf(shape.Apexes, side.Side) && IsIndexOf(shape.Flanges, side.Side);
}

const TFlange& FlangeOf(const TZvDat& drawing, const TSideRef& side) {
    return drawing[side.Page][side.Shape].Flanges[side.Side];
}

TFlange& FlangeOf(TZvDat& drawing, const TSideRef& side) {
    return drawing[side.Page][side.Shape].Flanges[side.Side];
}

long double SideLength(const TZvDat& drawing, const TSideRef& side) {
    const TDaPointF& apexes = drawing[side.Page][side.Shape].Apexes;
    return PointDistance(apexes[side.Side], apexes[(side.Side + 1) % apexes.size()]);
}

std::optional<std::uint64_t> NumberOfName(std::string_view name) {
    const std::string_view text = WithoutBlanks(name);
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++digits) {
        const auto byte = static_cast<unsigned char>(text[i]);
        unsigned digit = 0;
        if (byte >= '0' && byte <= '9') {
            digit = byte - '0';
        } else if (byte == FullWidthLead && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= FullWidthZero &&
                   static_cast<unsigned char>(text[i + 1]) <= FullWidthZero + 9) {
            digit = static_cast<unsigned char>(text[++i]) - FullWidthZero;
        } else {
            return std::nullopt;
        }
        if (digits == MaxNumberDigits)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// With s named sides the answer is at most s + 1, so larger numbers need no
// place in the table.
std::string NextFreeJointMark(const TZvDat& drawing) {
    std::vector<bool> taken(SidesIn(drawing) + 2, false);
    ForEachSide(drawing, [&](const TSideRef&, const TFlange& flange) {
        if (const std::optional<std::uint64_t> number = NumberOfName(flange.Name))
            if (*number < taken.size())
                taken[*number] = true;
    });
    std::size_t mark = 1;
    while (taken[mark])
        ++mark;
    return std::to_string(mark);
}

bool FindJointPartner(const TZvDat& drawing, const TSideRef& side, TSideRef& partner) {
    if (!IsSideOf(drawing, side) || FlangeOf(drawing, side).Name.empty())
        return false;
    const std::string& mark = FlangeOf(drawing, side).Name;
    int others = 0;
    TSideRef other;
    ForEachSide(drawing, [&](const TSideRef& at, const TFlange& flange) {
        if (at != side && flange.Name == mark) {
            ++others;
            other = at;
        }
    });
    if (others != 1)
        return false;
    partner = other;
    return true;
}

// A length that is not a number (a damaged vertex) matches nothing.
bool JoinLengthsOf(const TZvDat& drawing, const TSideRef& first, const TSideRef& second,
                   TJoinLengths& lengths) {
    if (!IsSideOf(drawing, first) || !IsSideOf(drawing, second))
        return false;
    lengths.First = SideLength(drawing, first);
    lengths.Second = SideLength(drawing, second);
    lengths.Differ = !(std::fabs(lengths.First - lengths.Second) <= FlangeLengthTolerance);
    return true;
}
