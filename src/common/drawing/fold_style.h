// How fold lines and the base lines of flanges look on paper and in exported
// files: a line style and a width for each of the three kinds, chosen in the
// print settings, and the dash pattern each style draws.
#pragma once

#include <cstdint>
#include <vector>

// The lines that fold: fold lines of set 1 and of set 2 (which fold the other
// way), and the sides that carry a flange.
enum class TFoldKind : std::uint8_t { Set1 = 0, Set2 = 1, FlangeBase = 2 };

// Hidden lines are neither printed nor exported; outside marks draw only short
// marks on the line's extension beyond the piece, so that the piece cut out
// shows no line where it folds.
enum class TLineStyle : std::uint8_t {
    Solid = 0,
    Dashed = 1,
    DashDot = 2,
    OutsideMarks = 3,
    Hidden = 4,
};
inline constexpr int LineStyleCount = 5;

// Widths of fold lines on paper, in mm.
inline constexpr long double MinFoldWidth = 0.05L;
inline constexpr long double MaxFoldWidth = 0.5L;
// The cut lines' width on paper: about one pixel of a 300 dpi printer, as
// prints always had.
inline constexpr long double CutLineWidth = 0.085L;

struct TFoldLook {
    TLineStyle Style = TLineStyle::Solid;
    long double Width = CutLineWidth; // mm
    friend bool operator==(const TFoldLook&, const TFoldLook&) = default;
};

// Set 1 and flange base lines as prints always drew them; set 2 in dashes of
// about a millimetre, plainly visible at arm's length.
struct TFoldLooks {
    TFoldLook Set1{TLineStyle::Solid, CutLineWidth};
    TFoldLook Set2{TLineStyle::Dashed, 0.1L};
    TFoldLook FlangeBase{TLineStyle::Solid, CutLineWidth};

    const TFoldLook& Of(TFoldKind kind) const;
    TFoldLook& Of(TFoldKind kind);
    friend bool operator==(const TFoldLooks&, const TFoldLooks&) = default;
};

// The dash pattern of a style in mm, lengths drawn and skipped in turn from
// the line's start, which begins with a drawn one; empty for a continuous
// line (solid, and the marks, which are short solid lines).
std::vector<long double> DashPattern(TLineStyle style);

// A width from MinFoldWidth to MaxFoldWidth, both included.
bool IsAcceptedFoldWidth(long double width);

// The style a stored code names; codes that name none give fallback.
TLineStyle LineStyleFromCode(int code, TLineStyle fallback);
