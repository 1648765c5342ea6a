// The texts of the shape editor's status line: the mouse position with the
// lengths being drawn or dragged, and the line under a hovering mouse. Numbers
// always take a "." decimal mark, whatever the locale, and as many decimals as
// the editor is set to show (their usual count by default).
#pragma once

#include "editing/shown_decimals.h"
#include "geometry/hit_test.h"
#include "geometry/polygon.h"

#include <QString>

// "X:12.5 Y:30.0"
QString PositionStatusText(const TPointF& position, const TShownDecimals& decimals);
// " R:17.5", the side being drawn.
QString DrawLengthStatusText(long double length, const TShownDecimals& decimals);
// " R1:10.0 R2:12.5", the two sides at a dragged vertex.
QString DragLengthsStatusText(long double length1, long double length2,
                              const TShownDecimals& decimals);
// "長さ:14.14 傾き:45.0", with the flange of a flanged side appended.
QString LineStatusText(const TLineReport& report, const TShownDecimals& decimals);
