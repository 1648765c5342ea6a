// The shape record and its element records, the page and drawing containers,
// and their constructors and deep copies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A point or vertex in millimetres; Y grows downward as on screen and paper.
struct TPointF {
    long double X = 0;
    long double Y = 0;
    friend bool operator==(const TPointF&, const TPointF&) = default;
};

struct TSegmentF {
    TPointF P1;
    TPointF P2;
    friend bool operator==(const TSegmentF&, const TSegmentF&) = default;
};

// Maximum length in bytes of a flange name (Shift-JIS bytes).
inline constexpr std::size_t FlangeNameMaxBytes = 16;

// The glue flange of one side. Width 0 means the side has none.
// Angles are radians, valid in (0, pi/2]. Name holds Shift-JIS bytes.
struct TFlange {
    long double Width = 0;
    long double Angle1 = 0;
    long double Angle2 = 0;
    std::string Name;
    friend bool operator==(const TFlange&, const TFlange&) = default;
};

// A fold line between two vertices of the same shape.
struct TBendLine {
    std::int32_t Apex1 = 0;
    std::int32_t Apex2 = 0;
    friend bool operator==(const TBendLine&, const TBendLine&) = default;
};

using TDaPointF = std::vector<TPointF>;
using TDaFlange = std::vector<TFlange>;
using TDaBendLine = std::vector<TBendLine>;
using TDaInt = std::vector<std::int32_t>;

// Bounds checks on the growable arrays, with the 32-bit indices the records and
// history entries hold.

// True when index names an element of array.
template <class TArray> bool IsIndexOf(const TArray& array, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < array.size();
}

// True when an element can be inserted into array at index (its end included).
template <class TArray> bool IsInsertIndexOf(const TArray& array, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) <= array.size();
}

// One shape: a closed outline, one flange per side (flange i belongs to the
// side from vertex i to vertex i+1), and two fold-line sets (set 1 drawn solid,
// set 2 dotted).
struct TPolygon {
    TDaPointF Apexes;
    TDaFlange Flanges;
    std::array<TDaBendLine, 2> BendLines;
    friend bool operator==(const TPolygon&, const TPolygon&) = default;
};

using TPolygonTbl = std::vector<TPolygon>; // the shapes of one page, in drawing order
using TZvDat = std::vector<TPolygonTbl>;   // the pages of a drawing; page 1 is index 0

// A drawing has at most this many pages: more would not fit beside the sheet
// as tabs, and a file claiming more is refused before its pages are read.
inline constexpr std::size_t MaxPageCount = 1000;

TPointF PointF(long double x, long double y);
TSegmentF MakeSegment(const TPointF& p1, const TPointF& p2);
TBendLine MakeBendLine(std::int32_t apex1, std::int32_t apex2);
// True when line joins two different vertices of a shape of apexCount vertices;
// a fold line that does not is ignored wherever fold lines are used.
bool IsValidBendLine(const TBendLine& line, int apexCount);
// Name is cut to FlangeNameMaxBytes at a whole Shift-JIS character.
TFlange MakeFlange(std::string_view name, long double width, long double angle1,
                   long double angle2);

// Deep copies. The destination gets exactly one flange per source vertex.
void CopyPolygon(const TPolygon& source, TPolygon& destination);
// A reference for tests: pages are copied by value everywhere else.
void CopyPolygonTbl(const TPolygonTbl& source, TPolygonTbl& destination);

// The indices of the pages that hold at least one shape, in page order: what
// printing all pages prints and exporting them writes.
std::vector<int> PagesWithShapes(const TZvDat& drawing);
