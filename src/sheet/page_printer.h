// Printing pages of shapes onto print jobs: each page as vector lines at full
// size, corrected by the printer's calibration, on as many sheets as the
// print settings tile it over, with the tiles' marks, the registration marks
// and the page's caption; names fitted to their flanges.
#pragma once

#include "document/flange_partners.h"
#include "drawing/print_layout.h"
#include "geometry/polygon.h"
#include "print_settings.h"

#include <QString>

#include <functional>

class IPrintJob;

// The height of a font's letters (its em) on paper, in mm.
long double FontHeightMm(const QFont& font);

class TPagePrinter {
public:
    // paper is the printer's paper and printable area; sheet the printable
    // area of one sheet in the drawing's mm (the printer's pixels at its
    // calibrated pixels per mm).
    TPagePrinter(const TPrintSettings& settings, const TPaperLayout& paper,
                 const TPageAreaMm& sheet);

    int SheetsPerPage() const { return FSettings.Options.Tiles.Count(); }

    // Prints page on job: its first sheet on the job's sheet in progress when
    // first, on a new one otherwise; marks follow the names of its sides;
    // caption goes in the bottom-right corner of its last sheet. sheetDone is
    // told after each sheet and stops the print by answering false. False
    // when stopped or when the job could not start a sheet.
    bool PrintPage(IPrintJob& job, const TPolygonTbl& page, const TPageNameMarks& marks,
                   const QString& caption, bool first, const std::function<bool()>& sheetDone);

private:
    const TPrintSettings FSettings;
    const TPaperLayout FPaper;
    const TPageAreaMm FSheet;
};
