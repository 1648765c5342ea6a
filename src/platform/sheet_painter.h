// Drawing a printed sheet (drawing/printed_sheet.h) with a QPainter as true
// vector lines and text, for printers, PDF files and the print preview alike.
#pragma once

#include "drawing/printed_sheet.h"
#include "geometry/bounding_box.h"

#include <QFont>

class QPainter;

// Where a sheet's millimetres land in the painter: a point p is drawn at
// ((p.X + Offset.X) * DotsPerMmX, (p.Y + Offset.Y) * DotsPerMmY).
struct TSheetMapping {
    TPointF Offset;
    long double DotsPerMmX = 1;
    long double DotsPerMmY = 1;
};

// Draws sheet in black, texts in font's family and style at their own
// heights. Paths that lie wholly outside visible (in the sheet's mm; an empty
// box draws them all) are left out.
void PaintPrintedSheet(QPainter& painter, const TPrintedSheet& sheet, const TSheetMapping& mapping,
                       const QFont& font, const TBox& visible = {});
