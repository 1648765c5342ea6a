// Laying a sheet page out on the printer's paper at full size: the printer's
// pixels per millimetre, the page area the margins leave of the printable
// area, where the page's origin lands and where the page caption goes.
#pragma once

#include "geometry/plane_geometry.h"

#include <cstdint>

inline constexpr long double MillimetresPerInch = 25.4L;

// Page margins in whole millimetres, as typed; a negative margin widens the page.
struct TPageMargins {
    int Top = 0;
    int Bottom = 0;
    int Left = 0;
    int Right = 0;
    friend bool operator==(const TPageMargins&, const TPageMargins&) = default;
};

// The size of a page's drawing area in millimetres.
struct TPageAreaMm {
    long double Width = 0;
    long double Height = 0;
};

// The scale from millimetres to printer pixels along one axis.
long double PixelsPerMm(long double pixelsPerInch);

// The printable area (in printer pixels, at the given pixels per millimetre)
// less the left and right, and the top and bottom margins.
TPageAreaMm PageAreaOf(long double printableWidthPixels, long double printableHeightPixels,
                       long double pixelsPerMmX, long double pixelsPerMmY,
                       const TPageMargins& margins);

// A shift in printer pixels, not rounded to whole ones.
struct TPixelShift {
    long double X = 0;
    long double Y = 0;
};

// Where the page's millimetre origin is printed, from the top-left corner of
// the printable area: the left and top margins in, so that the margins on
// paper are where they were set. Left unrounded, so that a point lands within
// half a pixel of its place wherever the margins put the page.
TPixelShift PageOriginOnPaper(const TPageMargins& margins, long double pixelsPerMmX,
                              long double pixelsPerMmY);

// The paper in millimetres and the printer's own margins around its printable
// area.
struct TPaperLayout {
    long double Width = 0;
    long double Height = 0;
    long double Left = 0;
    long double Top = 0;
    long double Right = 0;
    long double Bottom = 0;
};

// Where the page's millimetre origin lies on the paper: at the printable
// area's corner and the left and top margins in, as on a printed page.
TPointF PageOriginOnPaperMm(const TPaperLayout& paper, const TPageMargins& margins);

// The top-left corner of a caption whose bottom-right corner is that of the
// printable area.
TPixelPoint CaptionPosition(std::int64_t printableWidth, std::int64_t printableHeight,
                            std::int64_t textWidth, std::int64_t textHeight);
