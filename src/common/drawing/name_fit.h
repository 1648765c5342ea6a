// Fitting the name of a side into the room its flange (or its side) leaves:
// a name that does not fit at the print font's size is drawn smaller, down
// to a height that still reads, and beyond that cut at a whole character, so
// that it never reaches past its flange.
#pragma once

#include <string>
#include <string_view>

// How wide a text is on paper, in mm, at a font height (its em) of height mm.
class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    // text is Shift-JIS bytes.
    virtual long double WidthMm(std::string_view text, long double height) const = 0;
};

// The smallest height a name is drawn at, in mm.
inline constexpr long double MinNameHeight = 1.5L;

// The room for a name's text cell, which stands on the side, centred along it:
// the side's length, and for a flange its depth and how fast it narrows, as
// the cotangents of its two base angles (0 for a right angle). A side without
// a flange has no depth limit and does not narrow.
struct TNameRoom {
    long double Length = 0;
    long double Depth = -1;    // below 0: no limit
    long double Narrowing = 0; // the larger of the two cotangents

    // The width left for a text cell cellHeight mm high, centred on the side.
    long double WidthAt(long double cellHeight) const;
};

TNameRoom FlangeNameRoom(long double sideLength, long double width, long double angle1,
                         long double angle2);
TNameRoom BareSideNameRoom(long double sideLength);

struct TFittedName {
    std::string Text;       // the name, or the part of it that fits
    long double Height = 0; // mm
    long double Width = 0;  // of Text at Height, mm
};

// The name at the largest height up to height that fits room, its cell
// cellScale heights high; below MinNameHeight (or the flange's depth, where
// that is smaller) the name keeps that height and loses characters from its
// end until it fits. Nothing fits: an empty text.
TFittedName FitName(std::string_view text, long double height, long double cellScale,
                    const TNameRoom& room, const ITextMeasure& measure);
