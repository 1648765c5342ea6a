// The joint check: one pass over every side gathers the named sides by name
// in a hash table, then each name's sides are judged on their own.
#include "document/flange_partners.h"

#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

namespace {

// "→" in Shift-JIS.
constexpr std::string_view PartnerArrow = "\x81\xa8";

std::size_t SideCount(const TZvDat& drawing) {
    std::size_t count = 0;
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page)
            count += shape.Flanges.size();
    return count;
}

// A length that is not a number (a damaged vertex) matches nothing.
bool LengthsDiffer(const std::vector<TNamedSide>& sides) {
    long double shortest = sides.front().Length;
    long double longest = shortest;
    for (const TNamedSide& side : sides) {
        if (!std::isfinite(side.Length))
            return true;
        shortest = std::min(shortest, side.Length);
        longest = std::max(longest, side.Length);
    }
    return longest - shortest > FlangeLengthTolerance;
}

// Most names are carried by a pair of sides: one allocation each.
TFlangeNameSides NewName(const std::string& name) {
    TFlangeNameSides entry{name, {}, 0};
    entry.Sides.reserve(2);
    return entry;
}

TNamedSide NamedSide(const TPolygon& shape, std::size_t page, std::size_t index, std::size_t side) {
    const TPointF& from = shape.Apexes[side];
    const TPointF& to = shape.Apexes[(side + 1) % shape.Apexes.size()];
    return {static_cast<int>(page), static_cast<int>(index), static_cast<int>(side),
            PointDistance(from, to), shape.Flanges[side].Width};
}

std::string PartnerPageMark(int page) {
    return std::string(PartnerArrow) + std::to_string(page + 1);
}

// A side the drawing does not have (a report of another drawing) gets no mark.
void PutMark(TPageNameMarks& marks, const TPolygonTbl& page, const TNamedSide& side,
             int partnerPage) {
    if (!IsIndexOf(page, side.Shape) || !IsIndexOf(page[side.Shape].Flanges, side.Side))
        return;
    std::vector<std::string>& shapeMarks = marks[side.Shape];
    if (shapeMarks.empty())
        shapeMarks.resize(page[side.Shape].Flanges.size());
    shapeMarks[side.Side] = PartnerPageMark(partnerPage);
}

// Marks go only where the partner is certain: a name on three sides has none.
bool HasCertainPartnerElsewhere(const TFlangeNameSides& name) {
    return name.Sides.size() == 2 && name.Sides[0].Page != name.Sides[1].Page;
}

} // namespace

std::uint8_t FindingsOf(const std::vector<TNamedSide>& sides) {
    std::uint8_t findings = 0;
    if (sides.size() == 1)
        findings |= pfNoPartner;
    if (sides.size() > 2)
        findings |= pfTooManySides;
    if (sides.size() > 1 && LengthsDiffer(sides))
        findings |= pfLengthMismatch;
    if (sides.size() > 1 &&
        std::none_of(sides.begin(), sides.end(), [](const TNamedSide& s) { return s.Width != 0; }))
        findings |= pfNoTab;
    return findings;
}

TFlangePartnerReport CheckFlangePartners(const TZvDat& drawing) {
    TFlangePartnerReport report;
    // The keys view the drawing's own names, which outlive the table.
    std::unordered_map<std::string_view, std::size_t> nameIndex;
    nameIndex.reserve(SideCount(drawing));
    for (std::size_t page = 0; page < drawing.size(); ++page) {
        for (std::size_t index = 0; index < drawing[page].size(); ++index) {
            const TPolygon& shape = drawing[page][index];
            const std::size_t n = std::min(shape.Apexes.size(), shape.Flanges.size());
            for (std::size_t side = 0; side < n; ++side) {
                const TFlange& flange = shape.Flanges[side];
                if (flange.Name.empty()) {
                    report.UnnamedFlanges += flange.Width != 0 ? 1 : 0;
                    continue;
                }
                const auto [entry, isNew] = nameIndex.try_emplace(flange.Name, report.Names.size());
                if (isNew)
                    report.Names.push_back(NewName(flange.Name));
                report.Names[entry->second].Sides.push_back(NamedSide(shape, page, index, side));
            }
        }
    }
    for (TFlangeNameSides& name : report.Names)
        name.Findings = FindingsOf(name.Sides);
    return report;
}

int CompleteJoints(const TFlangePartnerReport& report) {
    return static_cast<int>(report.Names.size()) - JointsWithFindings(report);
}

int JointsWithFindings(const TFlangePartnerReport& report) {
    return static_cast<int>(
        std::count_if(report.Names.begin(), report.Names.end(),
                      [](const TFlangeNameSides& name) { return name.Findings != 0; }));
}

TPageNameMarks PartnerPageMarks(const TFlangePartnerReport& report, const TZvDat& drawing,
                                int page) {
    if (!IsIndexOf(drawing, page))
        return {};
    TPageNameMarks marks(drawing[page].size());
    for (const TFlangeNameSides& name : report.Names)
        if (HasCertainPartnerElsewhere(name))
            for (int k = 0; k < 2; ++k)
                if (name.Sides[k].Page == page)
                    PutMark(marks, drawing[page], name.Sides[k], name.Sides[1 - k].Page);
    return marks;
}

std::vector<TPageNameMarks> PartnerPageMarksOfAllPages(const TZvDat& drawing) {
    std::vector<TPageNameMarks> marks;
    marks.reserve(drawing.size());
    for (const TPolygonTbl& page : drawing)
        marks.emplace_back(page.size());
    for (const TFlangeNameSides& name : CheckFlangePartners(drawing).Names)
        if (HasCertainPartnerElsewhere(name))
            for (int k = 0; k < 2; ++k) {
                const int page = name.Sides[k].Page;
                PutMark(marks[page], drawing[page], name.Sides[k], name.Sides[1 - k].Page);
            }
    return marks;
}
