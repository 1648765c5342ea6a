// The sheet's page setup: the print settings kept in section Print of the
// settings file, the printer's pixels per millimetre with its calibration
// applied, and the drawing area of a page they leave on the printer's page,
// or on the sheets a page is tiled over. It is made before the windows that
// show a page, which ask it for that area.
#pragma once

#include "drawing/page_area.h"
#include "format/ini_file.h"
#include "geometry/bounding_box.h"
#include "print_settings.h"

class IPrinter;

class TPageSetup : public IPageArea {
public:
    // Reads section Print of settings, gives the printer the stored paper,
    // orientation and scale, and works out the page area.
    TPageSetup(IPrinter& printer, const TIniFile& settings);

    TPageAreaMm PageArea() const override { return FArea; }
    // The printable area of one sheet of paper, in the drawing's mm.
    TPageAreaMm SheetArea() const { return FSheet; }
    // What the printer can reach of the page, in the page's mm: the page
    // area and its margins.
    TBox PrintableOnPage() const;
    const TPrintSettings& Settings() const { return FSettings; }
    // The printer pixels that come out as one millimetre on paper.
    long double PixelsPerMmX() const { return FPixelsPerMmX; }
    long double PixelsPerMmY() const { return FPixelsPerMmY; }

    // Before a print job or an export: the stored printer settings applied and
    // the printer's resolution read again, as they may have changed since.
    void PrepareJob();
    // Gives the printer the stored settings; none are stored when the stored
    // paper size is negative.
    void ApplyStoredPrinterSettings();
    // The page area from the printer's printable page as it is now.
    void UpdatePageArea();

    void SetPrintFont(const QFont& font) { FSettings.PrintFont = font; }
    // What the print settings dialog confirmed, with the printer's paper,
    // orientation and scale as they are now; the page area follows.
    void TakeConfirmedSettings(const TPageMargins& margins, bool partnerPages,
                               const TPrintOptions& options);
    // New calibration factors change what the printer reaches, and so the
    // page area.
    void SetScale(const TPrintScale& scale);

    void WriteSettings(TIniFile& settings) const;

private:
    void ReadPrinterResolution();

    IPrinter& Printer;
    TPrintSettings FSettings;
    long double FPixelsPerMmX = 0;
    long double FPixelsPerMmY = 0;
    TPageAreaMm FSheet;
    TPageAreaMm FArea;
};
