// Printer calibration: the correction factors that make prints come out true
// to size, how a measured calibration page gives them, and that page's
// rulers, square, notes and legend of the fold lines as a printed sheet.
#pragma once

#include "drawing/fold_style.h"
#include "drawing/print_layout.h"
#include "drawing/printed_sheet.h"
#include "geometry/polygon.h"

#include <array>
#include <string>
#include <vector>

// How much longer than drawn the printer prints along each axis: 1.01 when a
// line sent as 100 mm comes out 101 mm long. Prints and PDF pages are drawn
// at 1/X and 1/Y of their size so that they come out true.
struct TPrintScale {
    long double X = 1;
    long double Y = 1;
    friend bool operator==(const TPrintScale&, const TPrintScale&) = default;
};

inline constexpr long double MinPrintScale = 0.9L;
inline constexpr long double MaxPrintScale = 1.1L;

// True for a factor from MinPrintScale to MaxPrintScale, both included.
bool IsAcceptedPrintScale(long double scale);

// A factor as the calibration page and its dialog show it: 4 decimals.
std::string PrintScaleText(long double scale);

// The printer pixels that come out as one millimetre on paper when the
// printer prints at scale.
long double PixelsPerPaperMm(long double pixelsPerInch, long double scale);

// The factor that makes a ruler drawn nominal mm long come out true, when it
// measured measured mm on a page printed with the factor current. False,
// leaving calibrated as it was, for a length that is not a positive finite
// number or a factor that is not accepted.
bool CalibratedPrintScale(long double current, long double nominal, long double measured,
                          long double& calibrated);

// The measured lengths, in mm, for which CalibratedPrintScale accepts a ruler
// drawn nominal mm long on a page printed with the factor current.
struct TLengthRange {
    long double Min = 0;
    long double Max = 0;
};
TLengthRange AcceptedMeasurements(long double current, long double nominal);

// The lengths on the calibration page, in mm.
inline constexpr long double CalibrationRulerX = 150;
inline constexpr long double CalibrationRulerY = 200;
inline constexpr long double CalibrationSquareSide = 100;

// A number beside a ruler tick: below a tick of the horizontal ruler, centred
// on it, or right of a tick of the vertical ruler, level with it.
struct TRulerNumber {
    TPointF Tick; // where the tick meets the ruler's line
    bool Below = true;
    std::string Text;
};

// The calibration page in mm from the page's origin: a horizontal ruler of
// CalibrationRulerX and a vertical one of CalibrationRulerY with ticks every
// millimetre (longer every 5 and 10) numbered every 10, and a square of
// CalibrationSquareSide, with room for notes below the square.
struct TCalibrationPage {
    std::vector<TSegmentF> Lines;
    std::vector<TRulerNumber> Numbers;
    TPointF NotesAt;  // the top-left corner of the first line of notes
    TPageAreaMm Size; // the least page area that holds it all
};

TCalibrationPage CalibrationPage();

// The legend's labels (Shift-JIS) in the order of its sample lines: fold
// lines of set 1, of set 2, and flange base lines.
using TLegendLabels = std::array<std::string, 3>;

// The page as a printed sheet, in mm from the page's origin: its lines as cut
// lines are printed, its numbers and each of notes (Shift-JIS) as a line of
// text below the square, textHeight mm high; then a legend: a sample line of
// each fold kind in its look (folds), with its label.
TPrintedSheet CalibrationSheet(const TCalibrationPage& page, const std::vector<std::string>& notes,
                               const TFoldLooks& folds, const TLegendLabels& labels,
                               long double textHeight);
