// The print settings kept between runs in section Print of the settings file:
// the stored printer values, the page margins, the print font, how fold
// lines look, how many sheets a page is printed on and the registration
// marks.
#pragma once

#include "drawing/fold_style.h"
#include "drawing/print_calibration.h"
#include "drawing/print_layout.h"
#include "drawing/print_tiles.h"
#include "drawing/registration_marks.h"
#include "format/ini_file.h"
#include "printer.h"

#include <QColor>
#include <QFont>

// What the print settings dialog sets besides the margins and partner pages,
// for prints, PDF files and exports alike.
struct TPrintOptions {
    TFoldLooks Folds;
    TTileGrid Tiles; // the sheets a page is printed on
    bool RegistrationMarks = false;
    long double RegistrationDistance = DefaultRegistrationDistance; // mm from the paper's edges
    friend bool operator==(const TPrintOptions&, const TPrintOptions&) = default;
};

struct TPrintSettings {
    int PrintPaperSize = -1;  // printer paper-size code; -1 when none is stored
    int PrintDir = -1;        // paper orientation code
    int PrintPaperScale = -1; // printer scale value
    int TYohaku = 0;          // page margins in whole millimetres: top,
    int BYohaku = 0;          // bottom,
    int LYohaku = 0;          // left
    int RYohaku = 0;          // and right
    QFont PrintFont;          // flange names are printed in it
    QColor PrintFontColor;
    bool PrintPartnerPages = false; // the page of a flange's partner after its name ("A→3")
    long double PrintScaleX = 1;    // the printer's calibration, applied to every
    long double PrintScaleY = 1;    // print and PDF export
    TPrintOptions Options;

    TPageMargins Margins() const { return {TYohaku, BYohaku, LYohaku, RYohaku}; }
    void SetMargins(const TPageMargins& margins) {
        TYohaku = margins.Top;
        BYohaku = margins.Bottom;
        LYohaku = margins.Left;
        RYohaku = margins.Right;
    }
    TPrintScale Scale() const { return {PrintScaleX, PrintScaleY}; }
    void SetScale(const TPrintScale& scale) {
        PrintScaleX = scale.X;
        PrintScaleY = scale.Y;
    }
    TPrinterDevice StoredDevice() const { return {PrintPaperSize, PrintDir, PrintPaperScale}; }
    void StoreDevice(const TPrinterDevice& device) {
        PrintPaperSize = device.PaperSize;
        PrintDir = device.Orientation;
        PrintPaperScale = device.Scale;
    }
};

// Missing keys and values that are not whole numbers give the defaults: no
// stored printer values, no margins, "ＭＳ 明朝" 12 pt in the window-text colour,
// no partner pages; a calibration factor that is not a number between 0.9 and
// 1.1 reads as 1. Fold line styles and widths, tile counts and the marks'
// distance out of their ranges read as their defaults.
TPrintSettings ReadPrintSettings(const TIniFile& settings);
void WritePrintSettings(TIniFile& settings, const TPrintSettings& print);

// The integer form of a colour in the settings file: 0x00BBGGRR.
long long ColorToStored(const QColor& color);
// Values outside 0 ... 0xFFFFFF give the fallback.
QColor ColorFromStored(long long stored, const QColor& fallback);

// The font style as the settings store it: 1 bold, 2 italic, 4 underline, 8 strike-out.
int FontStyleBits(const QFont& font);
void ApplyFontStyleBits(QFont& font, int bits);
