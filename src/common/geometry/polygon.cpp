// Constructors and deep copies of the shape records.
#include "geometry/polygon.h"

#include "geometry/shift_jis.h"

TPointF PointF(long double x, long double y) {
    return TPointF{x, y};
}

TSegmentF MakeSegment(const TPointF& p1, const TPointF& p2) {
    return TSegmentF{p1, p2};
}

TBendLine MakeBendLine(std::int32_t apex1, std::int32_t apex2) {
    return TBendLine{apex1, apex2};
}

bool IsValidBendLine(const TBendLine& line, int apexCount) {
    return line.Apex1 >= 0 && line.Apex1 < apexCount && line.Apex2 >= 0 && line.Apex2 < apexCount &&
           line.Apex1 != line.Apex2;
}

TFlange MakeFlange(std::string_view name, long double width, long double angle1,
                   long double angle2) {
    return TFlange{width, angle1, angle2, CutShiftJis(name, FlangeNameMaxBytes)};
}

void CopyPolygon(const TPolygon& source, TPolygon& destination) {
    const std::size_t n = source.Apexes.size();
    destination.Apexes = source.Apexes;
    destination.Flanges.assign(n, TFlange{});
    for (std::size_t i = 0; i < n && i < source.Flanges.size(); ++i)
        destination.Flanges[i] = source.Flanges[i];
    destination.BendLines = source.BendLines;
}

void CopyPolygonTbl(const TPolygonTbl& source, TPolygonTbl& destination) {
    destination.resize(source.size());
    for (std::size_t i = 0; i < source.size(); ++i)
        CopyPolygon(source[i], destination[i]);
}

std::vector<int> PagesWithShapes(const TZvDat& drawing) {
    std::vector<int> pages;
    for (std::size_t page = 0; page < drawing.size(); ++page)
        if (!drawing[page].empty())
            pages.push_back(static_cast<int>(page));
    return pages;
}
