// Drawing shapes on a canvas: one shape in a draw mode, a whole page, and
// rotated text for the names of sides.
#pragma once

#include "drawing/canvas.h"
#include "drawing/pixel_rect.h"
#include "geometry/outline_cache.h"
#include "geometry/page_index.h"
#include "geometry/polygon.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How DrawPolygon draws a shape. Value 3, and any value not listed, draws as
// dmNormal.
enum TDrawMode : std::uint8_t {
    dmErase = 0,    // white copy pen, white marks: wipes the shape off the white page
    dmXor = 1,      // blue not-xor pen, no marks: drawn twice, the canvas is as before
    dmOpen = 2,     // as dmNormal without the closing side, for an outline being drawn
    dmNormal = 4,   // black, with marks
    dmSelected = 5, // blue, with marks
    dmPrint = 6,    // black, no marks, the names of sides written
};

// Draws the outline, flanges and fold lines of polygon at scaleX, scaleY pixels
// per millimetre. mark1 and mark2 are vertex indices to mark, -1 for none; when
// both name the same vertex it gets the mark1 colour. Fewer than 2 vertices
// draw nothing. In dmPrint every named side shows its name, upright and
// centred along the side: in its flange, or inside the shape a little in from
// the side when it has none (side_name.h). nameSuffixes[side] follows the
// name as one text; a side beyond the list adds nothing.
void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, int mark1, int mark2, long double scaleX,
                 long double scaleY, TDrawMode mode,
                 std::span<const std::string> nameSuffixes = {});
// The same with the flanges taken from outline, which must be synced with
// polygon: the pixels are the same, the flanges are not computed again.
void DrawPolygon(ICanvas& canvas, const TPolygon& polygon, TOutlineCache& outline, int mark1,
                 int mark2, long double scaleX, long double scaleY, TDrawMode mode);

// Draws the shapes of a page in order, except the one at skipIndex (-1 skips
// none): those listed in selection in selectedMode, the others in otherMode.
// Shape i gets nameSuffixes[i], when the list reaches it.
void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, int skipIndex, long double scaleX,
                    long double scaleY, const TDaInt& selection, TDrawMode otherMode,
                    TDrawMode selectedMode,
                    std::span<const std::vector<std::string>> nameSuffixes = {});
// The same for a repaint of area only (which must hold the canvas's clip),
// with the flanges taken from shapes, which must be synced with page: shapes
// that lie outside the area and lines that miss it are left out, and what is
// drawn is the same as drawing everything would leave in the area.
void DrawPolygonTbl(ICanvas& canvas, const TPolygonTbl& page, TPageIndex& shapes,
                    const TPixelRect& area, int skipIndex, long double scaleX, long double scaleY,
                    const TDaInt& selection, TDrawMode otherMode, TDrawMode selectedMode);

// Writes text rotated by angle (radians, clockwise as seen, as PointDirection
// gives) with the lower-left corner of its text cell at pixel (x, y). The
// canvas's escapement is restored afterwards.
void DrawRotatedText(ICanvas& canvas, std::int64_t x, std::int64_t y, std::string_view text,
                     float angle);
