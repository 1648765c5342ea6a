// The page setup: print settings, printer resolution and page area, kept in
// step with each other and with the printer.
#include "page_setup.h"

#include "printer.h"

TPageSetup::TPageSetup(IPrinter& printer, const TIniFile& settings)
    : Printer(printer), FSettings(ReadPrintSettings(settings)) {
    ReadPrinterResolution();
    ApplyStoredPrinterSettings();
    UpdatePageArea();
}

void TPageSetup::PrepareJob() {
    ApplyStoredPrinterSettings();
    ReadPrinterResolution();
}

void TPageSetup::ApplyStoredPrinterSettings() {
    if (FSettings.PrintPaperSize >= 0)
        Printer.SetDevice(FSettings.StoredDevice());
}

// The printer's pixels per millimetre on paper: with the calibration applied,
// the page area is what the printer can reach, and prints come out true.
void TPageSetup::ReadPrinterResolution() {
    FPixelsPerMmX = PixelsPerPaperMm(Printer.PixelsPerInchX(), FSettings.PrintScaleX);
    FPixelsPerMmY = PixelsPerPaperMm(Printer.PixelsPerInchY(), FSettings.PrintScaleY);
}

// A page tiled over several sheets spans all of them, less their overlaps.
void TPageSetup::UpdatePageArea() {
    FSheet = PageAreaOf(Printer.PageWidthPixels(), Printer.PageHeightPixels(), FPixelsPerMmX,
                        FPixelsPerMmY, {});
    const TPageAreaMm tiled = TiledArea(FSettings.Options.Tiles, FSheet);
    const TPageMargins margins = FSettings.Margins();
    FArea = {tiled.Width - margins.Left - margins.Right,
             tiled.Height - margins.Top - margins.Bottom};
}

TBox TPageSetup::PrintableOnPage() const {
    const TPageMargins margins = FSettings.Margins();
    TBox box;
    box.Left = -margins.Left;
    box.Top = -margins.Top;
    box.Right = FArea.Width + margins.Right;
    box.Bottom = FArea.Height + margins.Bottom;
    return box;
}

void TPageSetup::TakeConfirmedSettings(const TPageMargins& margins, bool partnerPages,
                                       const TPrintOptions& options) {
    FSettings.SetMargins(margins);
    FSettings.PrintPartnerPages = partnerPages;
    FSettings.Options = options;
    FSettings.StoreDevice(Printer.Device());
    ReadPrinterResolution();
    UpdatePageArea();
}

void TPageSetup::SetScale(const TPrintScale& scale) {
    FSettings.SetScale(scale);
    ReadPrinterResolution();
    UpdatePageArea();
}

void TPageSetup::WriteSettings(TIniFile& settings) const {
    WritePrintSettings(settings, FSettings);
}
