// Printer calibration: correction factors from measured rulers, and the
// calibration page.
#include "drawing/print_calibration.h"

#include "format/number_field.h"
#include "geometry/plane_geometry.h"
#include "geometry/rounding.h"

#include <cmath>

namespace {

constexpr int PrintScaleDecimals = 4;

// Where the rulers and the square lie, in mm from the page's origin. The
// rulers start a little in from the corner so that their numbers fit.
constexpr TPointF HorizontalRulerStart{15, 12};
constexpr TPointF VerticalRulerStart{12, 25};
constexpr TPointF SquareCorner{40, 30};
constexpr long double NotesGap = 10;
// The numbers' room beyond the rulers' ends.
constexpr long double NumberRoom = 5;

constexpr long double TickLength = 2;
constexpr long double FiveTickLength = 3.5;
constexpr long double TenTickLength = 5;
constexpr long double NumberGap = 1;
constexpr int NumberStep = 10;

// Lines of notes stand this many text heights apart.
constexpr long double NoteLineSpacing = 1.25L;

long double TickLengthAt(int millimetre) {
    if (millimetre % 10 == 0)
        return TenTickLength;
    return millimetre % 5 == 0 ? FiveTickLength : TickLength;
}

// Ticks run from the ruler's line to the side of the page the square is on.
void AddRuler(TCalibrationPage& page, const TPointF& start, int length, bool horizontal) {
    const TPointF end =
        horizontal ? TPointF{start.X + length, start.Y} : TPointF{start.X, start.Y + length};
    page.Lines.push_back({start, end});
    for (int mm = 0; mm <= length; ++mm) {
        const TPointF at =
            horizontal ? TPointF{start.X + mm, start.Y} : TPointF{start.X, start.Y + mm};
        const long double tick = TickLengthAt(mm);
        page.Lines.push_back(
            {at, horizontal ? TPointF{at.X, at.Y + tick} : TPointF{at.X + tick, at.Y}});
        if (mm % NumberStep == 0)
            page.Numbers.push_back({at, horizontal, std::to_string(mm)});
    }
}

void AddSquare(TCalibrationPage& page) {
    const TPointF a = SquareCorner;
    const TPointF b{a.X + CalibrationSquareSide, a.Y};
    const TPointF c{a.X + CalibrationSquareSide, a.Y + CalibrationSquareSide};
    const TPointF d{a.X, a.Y + CalibrationSquareSide};
    page.Lines.insert(page.Lines.end(), {{a, b}, {b, c}, {c, d}, {d, a}});
}

// A canvas line stops one pixel short of its end; the ruler's end pixel is
// the start of its last tick, and the square is closed.
void DrawSegment(ICanvas& canvas, const TSegmentF& segment, long double scaleX,
                 long double scaleY) {
    const TPixelPoint from = ModelToDevice(segment.P1, scaleX, scaleY);
    const TPixelPoint to = ModelToDevice(segment.P2, scaleX, scaleY);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

void DrawNumber(ICanvas& canvas, const TRulerNumber& number, long double scaleX,
                long double scaleY) {
    const long double gap = NumberGap + TenTickLength;
    const TPointF anchor = number.Below ? TPointF{number.Tick.X, number.Tick.Y + gap}
                                        : TPointF{number.Tick.X + gap, number.Tick.Y};
    const TPixelPoint p = ModelToDevice(anchor, scaleX, scaleY);
    if (number.Below)
        canvas.TextOut(p.X - canvas.TextWidth(number.Text) / 2, p.Y, number.Text);
    else
        canvas.TextOut(p.X, p.Y - canvas.TextHeight(number.Text) / 2, number.Text);
}

} // namespace

bool IsAcceptedPrintScale(long double scale) {
    return scale >= MinPrintScale && scale <= MaxPrintScale;
}

std::string PrintScaleText(long double scale) {
    return FixedText(scale, PrintScaleDecimals);
}

long double PixelsPerPaperMm(long double pixelsPerInch, long double scale) {
    return PixelsPerMm(pixelsPerInch) / scale;
}

bool CalibratedPrintScale(long double current, long double nominal, long double measured,
                          long double& calibrated) {
    if (!std::isfinite(measured) || !(measured > 0) || !(nominal > 0))
        return false;
    const long double scale = current * measured / nominal;
    if (!IsAcceptedPrintScale(scale))
        return false;
    calibrated = scale;
    return true;
}

TLengthRange AcceptedMeasurements(long double current, long double nominal) {
    return {MinPrintScale * nominal / current, MaxPrintScale * nominal / current};
}

TCalibrationPage CalibrationPage() {
    TCalibrationPage page;
    AddRuler(page, HorizontalRulerStart, static_cast<int>(CalibrationRulerX), true);
    AddRuler(page, VerticalRulerStart, static_cast<int>(CalibrationRulerY), false);
    AddSquare(page);
    page.NotesAt = {SquareCorner.X, SquareCorner.Y + CalibrationSquareSide + NotesGap};
    page.Size = {HorizontalRulerStart.X + CalibrationRulerX + NumberRoom,
                 VerticalRulerStart.Y + CalibrationRulerY + NumberRoom};
    return page;
}

void DrawCalibrationPage(ICanvas& canvas, const TCalibrationPage& page,
                         const std::vector<std::string>& notes, long double scaleX,
                         long double scaleY) {
    canvas.SetPenMode(TPenMode::Copy);
    canvas.SetPenStyle(TPenStyle::Solid);
    canvas.SetPenColor(ColorBlack);
    for (const TSegmentF& line : page.Lines)
        DrawSegment(canvas, line, scaleX, scaleY);
    for (const TRulerNumber& number : page.Numbers)
        DrawNumber(canvas, number, scaleX, scaleY);
    const TPixelPoint at = ModelToDevice(page.NotesAt, scaleX, scaleY);
    std::int64_t y = at.Y;
    for (const std::string& note : notes) {
        canvas.TextOut(at.X, y, note);
        y += RoundToInt(canvas.TextHeight(note) * NoteLineSpacing);
    }
}
