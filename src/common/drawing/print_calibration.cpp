// Printer calibration: correction factors from measured rulers, and the
// calibration page.
#include "drawing/print_calibration.h"

#include "format/number_field.h"

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
constexpr long double NoteLineSpacing = 1.5L;
// The legend's sample lines, and the gap between them and their labels.
constexpr long double LegendLineLength = 30;
constexpr long double LegendGap = 4;
// Where a vertical ruler's number stands from the tick's level: its digits'
// middle, about this share of the text height above the baseline.
constexpr long double DigitMiddle = 0.35L;

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

TPrintText NumberText(const TRulerNumber& number, long double height) {
    const long double gap = NumberGap + TenTickLength;
    if (number.Below)
        return {{{number.Tick.X, number.Tick.Y + gap + height}, 0, height, number.Text},
                TTextAlign::Centre};
    return {{{number.Tick.X + gap, number.Tick.Y + height * DigitMiddle}, 0, height, number.Text},
            TTextAlign::Left};
}

TPrintStroke LegendStroke(const TFoldLook& look, const TPointF& at) {
    TPrintStroke stroke{look.Width, DashPattern(look.Style), false, {}};
    // Marks stand for a line they do not draw: a sample shows the marks
    // beyond a line's ends, and hidden lines show nothing.
    if (look.Style == TLineStyle::OutsideMarks) {
        stroke.Paths.push_back({{at, {at.X + 3, at.Y}}, false});
        stroke.Paths.push_back(
            {{{at.X + LegendLineLength - 3, at.Y}, {at.X + LegendLineLength, at.Y}}, false});
    } else if (look.Style != TLineStyle::Hidden) {
        stroke.Paths.push_back({{at, {at.X + LegendLineLength, at.Y}}, false});
    }
    return stroke;
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

TPrintedSheet CalibrationSheet(const TCalibrationPage& page, const std::vector<std::string>& notes,
                               const TFoldLooks& folds, const TLegendLabels& labels,
                               long double textHeight) {
    TPrintedSheet sheet;
    TPrintStroke lines{CutLineWidth, {}, false, {}};
    for (const TSegmentF& line : page.Lines)
        lines.Paths.push_back({{line.P1, line.P2}, false});
    sheet.Strokes.push_back(std::move(lines));
    for (const TRulerNumber& number : page.Numbers)
        sheet.Texts.push_back(NumberText(number, textHeight));
    long double baseline = page.NotesAt.Y + textHeight;
    for (const std::string& note : notes) {
        sheet.Texts.push_back(
            {{{page.NotesAt.X, baseline}, 0, textHeight, note}, TTextAlign::Left});
        baseline += textHeight * NoteLineSpacing;
    }
    const std::array<TFoldKind, 3> kinds{TFoldKind::Set1, TFoldKind::Set2, TFoldKind::FlangeBase};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        baseline += textHeight * NoteLineSpacing;
        const TPointF lineAt{page.NotesAt.X, baseline - textHeight * DigitMiddle};
        sheet.Strokes.push_back(LegendStroke(folds.Of(kinds[i]), lineAt));
        sheet.Texts.push_back(
            {{{page.NotesAt.X + LegendLineLength + LegendGap, baseline}, 0, textHeight, labels[i]},
             TTextAlign::Left});
    }
    return sheet;
}
